#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "core/deals/CDeal.h"
#include "core/deals/CPbnLine.h"
#include "core/deals/Seats.h"

class CFile;

// The lines of one PBN game, read from a file for one deal and dropped afterwards.
//
// The game keeps the lines that a deal takes something from: the last Event tag with a value,
// the last tag of each seat, and the last Auction tag with its section and the Note tags that
// directly follow it. Every other line (escape lines, other tags, tags that a later line
// overrides) is let go as soon as the next line begins, so that a game of a million lines
// costs the memory of a handful; the line being read reuses the buffers of the one let go.
class CPbnGame {
public:
    // More notes than an auction has calls are not kept, so that a hostile file cannot pile
    // them up.
    static constexpr std::size_t kMaxAuctionNotes = 400;

    // Reads one game from the current position: up to the first line that holds only white
    // space, or to the end of the file. The Deal tag's value fills the deal's hands as it is
    // read. False when the file held nothing but white space from the position on.
    bool ReadGame(CFile& file, CDeal* deal);

    // True when the game held a tag pair ("[" ... ); a game of escape lines, comments and
    // stray text alone is not a deal.
    bool HasTagPair() const { return m_hasTagPair; }

    CPbnGame() = default;
    // The slots point into the game itself.
    CPbnGame(const CPbnGame&) = delete;
    CPbnGame& operator=(const CPbnGame&) = delete;

    // The kept lines; null where the game had none.
    const CPbnLine* GetEvent() const { return Kept(kEventSlot); }
    const CPbnLine* GetSeatLine(int seat) const;
    const CPbnLine* GetAuction() const { return Kept(kAuctionSlot); }
    // The Note tags that followed the kept Auction tag, in file order.
    const std::vector<CPbnLine>& GetAuctionNotes() const { return m_auctionNotes; }

    // Fills the deal's hands from a Deal value such as "N:AK.QJ.-.T9 ...": the first seat,
    // then the hands clockwise, suits spades to clubs. A value that names no first seat
    // (N, E, S or W) is ignored.
    static void ReadDealValue(const std::string& value, CDeal& deal);

private:
    // Where the kept lines are: the event's, the seats' in seat order, the auction's.
    static constexpr std::size_t kEventSlot = 0;
    static constexpr std::size_t kAuctionSlot = kSeatCount + 1;
    static constexpr std::size_t kSlotCount = kSeatCount + 2;
    static constexpr std::size_t SeatSlot(int seat) {
        return kEventSlot + 1 + static_cast<std::size_t>(seat);
    }

    // A slot holds a kept line once a line of its tag has been settled there.
    const CPbnLine* Kept(std::size_t slot) const {
        return m_slots[slot]->GetTag() == CPbnLine::kOtherTag ? nullptr : m_slots[slot];
    }
    // ReadDealValue's parsing: the value's cards appended to the suit texts.
    static void AddDealValue(const std::string& value, CDeal::SuitTexts& cards);
    // Settles the line being read, if any, and empties it for a new line.
    CPbnLine* StartLine(bool escape);
    // Keeps the line being read where a deal may take from it, in place of the line of the
    // same tag that it overrides.
    void SettleLine();
    // The line whose section the text after its tag pair is: the line itself for an Auction
    // tag, null for any other.
    static CPbnLine* SectionStartedBy(CPbnLine& line);
    // What follows a tag's value: a Deal value's cards are gathered.
    void ValueTaken(const CPbnLine& line);
    // Settles the last line and hands the game's cards to the deal (when there is one).
    void EndGame(CDeal* deal);

    bool m_hasTagPair = false;
    // Whether a line is being read (m_line points to it).
    bool m_reading = false;
    // Whether the lines settled since the last Auction tag were all its notes (or escapes).
    bool m_auctionNotesFollow = false;
    // The line being read and the kept ones. Settling a line trades its place with the slot's
    // line, whose buffers then serve the next line: no text is copied or moved.
    std::array<CPbnLine, kSlotCount + 1> m_lineStore;
    CPbnLine* m_line = &m_lineStore[kSlotCount];
    std::array<CPbnLine*, kSlotCount> m_slots = [this] {
        std::array<CPbnLine*, kSlotCount> slots{};
        for (std::size_t i = 0; i < kSlotCount; ++i) {
            slots[i] = &m_lineStore[i];
        }
        return slots;
    }();
    std::vector<CPbnLine> m_auctionNotes;
    // The cards of the game's Deal tags, handed to the deal when the game ends: one Deal value
    // written the usual way is joined at once, any other is gathered suit by suit.
    bool m_dealValueSeen = false;
    bool m_joined = false;
    std::string m_joinedCards;
    CDeal::SuitTexts m_dealCards;
};
