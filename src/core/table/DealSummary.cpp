#include "core/table/DealSummary.h"

#include "core/bidding/BiddingIds.h"
#include "core/bidding/CAuction.h"
#include "core/bidding/CCall.h"
#include "core/bidding/Contract.h"
#include "core/deals/Seats.h"
#include "core/platform/Prompts.h"
#include "core/table/TableStrings.h"

namespace {
// Clubs, diamonds, hearts, spades, no trumps, by strain index.
constexpr const char* kStrainTexts[] = {"\xE2\x99\xA3", "\xE2\x99\xA6", "\xE2\x99\xA5",
                                        "\xE2\x99\xA0", "NT"};

std::string SeatName(Seat seat) {
    std::string name;
    GetSeatName(name, seat, 0);
    return name;
}

unsigned VulnerabilityTextId(Vulnerability vulnerability) {
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
    return IsRedStrain(CCall::GetStrainOf(code));
}

std::string ContractText(CAuction& auction) {
    if (!auction.IsComplete(true)) {
        return {};
    }
    const Contract contract = FinalContract(auction.GetCallCodes(), SEAT_WEST);
    if (!contract.IsBid()) {
        return LoadString(IDS_PASSED_OUT);
    }
    constexpr unsigned kPatterns[] = {IDS_CONTRACT, IDS_CONTRACT_DOUBLED, IDS_CONTRACT_REDOUBLED};
    return FormatMessageText(LoadString(kPatterns[contract.doubling]),
                             {CallDisplayText(CCall::MakeCallCode(contract.level, contract.strain)),
                              SeatName(contract.declarer)});
}

std::string DealSummary(Seat dealer, Vulnerability vulnerability, CAuction& auction) {
    std::string summary =
        FormatMessageText(LoadString(IDS_DEALER_AND_VULNERABILITY),
                          {SeatName(dealer), LoadString(VulnerabilityTextId(vulnerability))});
    const std::string contract = ContractText(auction);
    if (!contract.empty()) {
        summary += ". " + contract;
    }
    return summary;
}
