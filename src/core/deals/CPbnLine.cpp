#include "core/deals/CPbnLine.h"

#include "core/deals/Seats.h"

static_assert(CPbnLine::kNorthTag - CPbnLine::kWestTag == SEAT_NORTH &&
              CPbnLine::kEastTag - CPbnLine::kWestTag == SEAT_EAST &&
              CPbnLine::kSouthTag - CPbnLine::kWestTag == SEAT_SOUTH && SEAT_WEST == 0);

void CPbnLine::Reset(bool escape) {
    m_escape = escape;
    m_tag = kOtherTag;
    m_tagValue.clear();
    m_lineComment.clear();
    m_braceComment.clear();
    m_section.clear();
}

void CPbnLine::SetTagName(std::string_view name) {
    // By length first: most names of a game are none of these.
    switch (name.size()) {
        case 4:
            m_tag = name == "Deal"   ? kDealTag
                    : name == "Note" ? kNoteTag
                    : name == "West" ? kWestTag
                    : name == "East" ? kEastTag
                                     : kOtherTag;
            break;
        case 5:
            m_tag = name == "Event"   ? kEventTag
                    : name == "North" ? kNorthTag
                    : name == "South" ? kSouthTag
                                      : kOtherTag;
            break;
        case 7:
            m_tag = name == "Auction" ? kAuctionTag : kOtherTag;
            break;
        default:
            m_tag = kOtherTag;
            break;
    }
}
