#include <gtest/gtest.h>

#include "CallWords.h"
#include "core/bidding/BiddingIds.h"
#include "core/bidding/Contract.h"
#include "core/deals/Seats.h"

TEST(Contract, FinalContractOfAuctions) {
    const struct {
        const char* calls;
        Seat firstSeat;
        const char* text;
        Seat declarer;
    } cases[] = {
        // The opener's side names the strain first: the opener declares.
        {"1S P 4S P P P", SEAT_NORTH, "4S", SEAT_NORTH},
        // Partner named spades first, so he declares even though opener bid them last.
        {"1H P 1S P 4S P P P", SEAT_NORTH, "4S", SEAT_SOUTH},
        // The opponents' earlier spade bid does not make them declarer's side.
        {"1S 2H 2S 3H P P 3S P P P", SEAT_WEST, "3S", SEAT_WEST},
        {"1N D P P P", SEAT_EAST, "1NX", SEAT_EAST},
        {"1C D RD P P P", SEAT_SOUTH, "1CXX", SEAT_SOUTH},
        // A bid after a double cancels it.
        {"1H D 2H P P P", SEAT_NORTH, "2H", SEAT_NORTH},
        {"1D D P P RD P P P", SEAT_WEST, "1DXX", SEAT_WEST},
        {"P P P 1N P 3N P P P", SEAT_NORTH, "3N", SEAT_WEST},
        {"P P P P", SEAT_SOUTH, "P", SEAT_NONE},
        // Incomplete auctions have no contract.
        {"", SEAT_NORTH, "", SEAT_NONE},
        {"P P P", SEAT_NORTH, "", SEAT_NONE},
        {"1S P 4S P P", SEAT_NORTH, "", SEAT_NONE},
        {"1S D", SEAT_NORTH, "", SEAT_NONE},
    };
    for (const auto& c : cases) {
        const Contract contract = FinalContract(CallCodes(c.calls), c.firstSeat);
        EXPECT_EQ(contract.GetText(), c.text) << c.calls;
        EXPECT_EQ(contract.declarer, c.declarer) << c.calls;
    }
}

// Placeholders stand for the seats before the dealer: they take a turn but are no call.
TEST(Contract, PlaceholdersTakeTheirSeatsTurn) {
    std::vector<int> codes = {IDC_PLACEHOLDER, IDC_PLACEHOLDER};  // East deals
    const std::vector<int> calls = CallCodes("1H P 2H P P P");
    codes.insert(codes.end(), calls.begin(), calls.end());
    const Contract contract = FinalContract(codes, SEAT_WEST);
    EXPECT_EQ(contract.kind, ContractKind::Bid);
    EXPECT_EQ(contract.level, 2);
    EXPECT_EQ(contract.strain, STRAIN_HEARTS);
    EXPECT_EQ(contract.doubling, 0);
    EXPECT_EQ(contract.declarer, SEAT_EAST);

    const std::vector<int> passedOut = {IDC_PLACEHOLDER, IDC_PASS, IDC_PASS, IDC_PASS, IDC_PASS};
    EXPECT_EQ(FinalContract(passedOut, SEAT_WEST).kind, ContractKind::PassedOut);
    const std::vector<int> onlyPlaceholders = {IDC_PLACEHOLDER, IDC_PLACEHOLDER, IDC_PLACEHOLDER};
    EXPECT_EQ(FinalContract(onlyPlaceholders, SEAT_WEST).kind, ContractKind::Incomplete);
}
