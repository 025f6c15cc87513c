#include <gtest/gtest.h>

#include "core/bidding/BiddingIds.h"
#include "core/bidding/Contract.h"
#include "core/deals/Seats.h"
#include "core/review/Scoring.h"

namespace {
Contract MakeContract(int level, Strain strain, int doubling = 0, Seat declarer = SEAT_NORTH) {
    Contract contract;
    contract.kind = ContractKind::Bid;
    contract.level = level;
    contract.strain = strain;
    contract.doubling = doubling;
    contract.declarer = declarer;
    return contract;
}
}  // namespace

// The published penalty table: undertricks 1 to 13, undoubled, doubled and redoubled,
// not vulnerable and vulnerable.
TEST(Scoring, EveryRowOfTheUndertrickTable) {
    const int notVulnerableDoubled[] = {100,  300,  500,  800,  1100, 1400, 1700,
                                        2000, 2300, 2600, 2900, 3200, 3500};
    const int vulnerableDoubled[] = {200,  500,  800,  1100, 1400, 1700, 2000,
                                     2300, 2600, 2900, 3200, 3500, 3800};
    for (int down = 1; down <= 13; ++down) {
        // A seven-level contract can go down 13; every row from there.
        const int tricks = 13 - down;
        for (const int doubling : {0, 1, 2}) {
            const Contract contract = MakeContract(7, STRAIN_HEARTS, doubling);
            const int notVulnerable =
                doubling == 0 ? 50 * down : notVulnerableDoubled[down - 1] * doubling;
            const int vulnerable =
                doubling == 0 ? 100 * down : vulnerableDoubled[down - 1] * doubling;
            EXPECT_EQ(DuplicateScore(contract, tricks, false), -notVulnerable)
                << down << " down, doubling " << doubling;
            EXPECT_EQ(DuplicateScore(contract, tricks, true), -vulnerable)
                << down << " down, doubling " << doubling;
        }
    }
}

TEST(Scoring, NoTrumpContractsMadeExactly) {
    const int notVulnerable[] = {90, 120, 400, 430, 460, 990, 1520};
    const int vulnerable[] = {90, 120, 600, 630, 660, 1440, 2220};
    for (int level = 1; level <= 7; ++level) {
        const Contract contract = MakeContract(level, STRAIN_NOTRUMP);
        EXPECT_EQ(DuplicateScore(contract, level + 6, false), notVulnerable[level - 1]) << level;
        EXPECT_EQ(DuplicateScore(contract, level + 6, true), vulnerable[level - 1]) << level;
    }
}

// Part score 50, games 300 or 500, slams, overtricks, and the 50/100 for making a doubled or
// redoubled contract.
TEST(Scoring, BonusesAndOvertricks) {
    const struct {
        int level;
        Strain strain;
        int doubling, tricks;
        bool vulnerable;
        int score;
    } cases[] = {
        {1, STRAIN_CLUBS, 0, 7, false, 70},     {2, STRAIN_DIAMONDS, 0, 10, true, 130},
        {4, STRAIN_SPADES, 0, 11, false, 450},  {4, STRAIN_HEARTS, 0, 10, true, 620},
        {3, STRAIN_NOTRUMP, 0, 11, true, 660},  {5, STRAIN_CLUBS, 0, 11, false, 400},
        {6, STRAIN_SPADES, 0, 12, true, 1430},  {6, STRAIN_DIAMONDS, 0, 13, false, 940},
        {7, STRAIN_CLUBS, 0, 13, false, 1440},  {7, STRAIN_SPADES, 0, 13, true, 2210},
        {1, STRAIN_NOTRUMP, 1, 7, false, 180},  {1, STRAIN_NOTRUMP, 1, 8, false, 280},
        {1, STRAIN_NOTRUMP, 1, 8, true, 380},   {2, STRAIN_SPADES, 1, 8, false, 470},
        {2, STRAIN_HEARTS, 1, 8, true, 670},    {5, STRAIN_DIAMONDS, 1, 11, true, 750},
        {1, STRAIN_CLUBS, 2, 7, false, 230},    {1, STRAIN_SPADES, 2, 7, false, 520},
        {1, STRAIN_SPADES, 2, 7, true, 720},    {1, STRAIN_SPADES, 2, 9, true, 1520},
        {7, STRAIN_NOTRUMP, 2, 13, true, 2980}, {3, STRAIN_NOTRUMP, 1, 10, false, 650},
    };
    for (const auto& c : cases) {
        const Contract contract = MakeContract(c.level, c.strain, c.doubling);
        EXPECT_EQ(DuplicateScore(contract, c.tricks, c.vulnerable), c.score)
            << contract.GetText() << " with " << c.tricks << (c.vulnerable ? " vul" : "");
    }
}

TEST(Scoring, NorthSouthViewAndVulnerabilityOfTheDeclarer) {
    // East in 4S making, East-West vulnerable: 620 to them.
    EXPECT_EQ(
        NorthSouthScore(MakeContract(4, STRAIN_SPADES, 0, SEAT_EAST), 10, VULNERABLE_EAST_WEST),
        -620);
    // North in 4S making when only East-West are vulnerable: not vulnerable.
    EXPECT_EQ(NorthSouthScore(MakeContract(4, STRAIN_SPADES), 10, VULNERABLE_EAST_WEST), 420);
    EXPECT_EQ(NorthSouthScore(MakeContract(4, STRAIN_SPADES), 10, VULNERABLE_ALL), 620);
    // West doubled two down, not vulnerable: 300 to North-South.
    EXPECT_EQ(
        NorthSouthScore(MakeContract(3, STRAIN_CLUBS, 1, SEAT_WEST), 7, VULNERABLE_NORTH_SOUTH),
        300);
    EXPECT_EQ(NorthSouthScore(Contract(), 13, VULNERABLE_ALL), 0);
}

// Both ends of every step of the IMP scale, and the sign.
TEST(Scoring, TheImpScale) {
    const int lowest[] = {0,   20,  50,   90,   130,  170,  220,  270,  320,  370,  430,  500, 600,
                          750, 900, 1100, 1300, 1500, 1750, 2000, 2250, 2500, 3000, 3500, 4000};
    for (int imps = 0; imps < 25; ++imps) {
        EXPECT_EQ(ImpsOf(lowest[imps]), imps) << lowest[imps];
        EXPECT_EQ(ImpsOf(-lowest[imps]), -imps) << lowest[imps];
        if (imps < 24) {
            EXPECT_EQ(ImpsOf(lowest[imps + 1] - 10), imps) << lowest[imps + 1] - 10;
        }
    }
    EXPECT_EQ(ImpsOf(7600), 24);
}
