#include "core/table/DealSummary.h"

#include "core/bidding/BiddingIds.h"
#include "core/bidding/CAuction.h"
#include "core/bidding/CCall.h"
#include "core/deals/Seats.h"
#include "core/platform/Prompts.h"
#include "core/table/TableStrings.h"

namespace {
// Clubs, diamonds, hearts, spades, no trumps, by strain index.
constexpr const char* kStrainTexts[] = {"\xE2\x99\xA3", "\xE2\x99\xA6", "\xE2\x99\xA5",
                                        "\xE2\x99\xA0", "NT"};

std::string SeatName(int seat) {
    std::string name;
    GetSeatName(name, seat, 0);
    return name;
}

unsigned VulnerabilityTextId(int vulnerability) {
    switch (vulnerability) {
        case VULNERABLE_NORTH_SOUTH:
            return IDS_NORTH_SOUTH_VULNERABLE;
        case VULNERABLE_EAST_WEST:
            return IDS_EAST_WEST_VULNERABLE;
        case VULNERABLE_ALL:
            return IDS_BOTH_VULNERABLE;
        default:
            return IDS_NONE_VULNERABLE;
    }
}
}  // namespace

std::string CallDisplayText(int code) {
    const int level = CCall::GetLevelOf(code);
    return level == 0 ? CCall::GetCallText(code)
                      : std::to_string(level) + kStrainTexts[CCall::GetStrainOf(code)];
}

bool IsRedCall(int code) {
    const int strain = CCall::GetLevelOf(code) != 0 ? CCall::GetStrainOf(code) : -1;
    return strain == 1 || strain == 2;
}

std::string ContractText(CAuction& auction) {
    if (!auction.IsComplete(true)) {
        return {};
    }
    // Entries are counted from West, so an entry's seat is its index modulo four.
    int last = -1;
    int risk = 0;
    for (int i = 0; i < auction.GetCallCount(); ++i) {
        const int code = auction.GetCallCode(i);
        if (CCall::GetLevelOf(code) != 0) {
            last = i;
            risk = 0;
        } else if (code == IDC_DOUBLE || code == IDC_REDOUBLE) {
            risk = code;
        }
    }
    if (last < 0) {
        return LoadString(IDS_PASSED_OUT);
    }
    const int contract = auction.GetCallCode(last);
    const int strain = CCall::GetStrainOf(contract);
    int declarer = last % kSeatCount;
    for (int i = last % 2; i < last; i += 2) {  // the declaring side's entries
        if (CCall::GetLevelOf(auction.GetCallCode(i)) != 0 &&
            CCall::GetStrainOf(auction.GetCallCode(i)) == strain) {
            declarer = i % kSeatCount;
            break;
        }
    }
    const unsigned pattern = risk == IDC_DOUBLE     ? IDS_CONTRACT_DOUBLED
                             : risk == IDC_REDOUBLE ? IDS_CONTRACT_REDOUBLED
                                                    : IDS_CONTRACT;
    return FormatMessageText(LoadString(pattern), {CallDisplayText(contract), SeatName(declarer)});
}

std::string DealSummary(int dealer, int vulnerability, CAuction& auction) {
    std::string summary =
        FormatMessageText(LoadString(IDS_DEALER_AND_VULNERABILITY),
                          {SeatName(dealer), LoadString(VulnerabilityTextId(vulnerability))});
    const std::string contract = ContractText(auction);
    if (!contract.empty()) {
        summary += ". " + contract;
    }
    return summary;
}
