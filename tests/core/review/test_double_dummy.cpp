#include <algorithm>
#include <atomic>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CFakeDoubleDummySolver.h"
#include "CRecordingStatusDisplay.h"
#include "ReviewTestHelpers.h"
#include "core/bidding/CBiddingDeal.h"
#include "core/deals/CPbnGame.h"
#include "core/platform/CStatusProgress.h"
#include "core/review/CDdsSolver.h"
#include "core/review/CDealAnalyser.h"
#include "core/review/DoubleDummy.h"

namespace {
class DoubleDummyTest : public ReviewTest {
protected:
    std::string ReasonOf(const std::string& dealValue) {
        DealCards cards;
        std::string reason = "unset";
        EXPECT_FALSE(ReadDealCards(MakeDeal(dealValue), cards, reason)) << dealValue;
        return reason;
    }
};

// Each hand holds one whole suit: North spades, East hearts, South diamonds, West clubs.
const char kSolidSuits[] = "N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432";

// A PBN Deal value from North's hand on, suits spades first, of the pack's cards (0 the ace
// of spades to 51 the two of clubs) as handOf gives them out.
template <typename HandOf>
std::string DealValue(HandOf handOf) {
    std::string suits[4][4];
    for (int card = 0; card < 52; ++card) {
        suits[handOf(card)][card / 13] += "AKQJT98765432"[card % 13];
    }
    std::string value = "N:";
    for (int hand = 0; hand < 4; ++hand) {
        value += (hand > 0 ? " " : "") + suits[hand][0] + "." + suits[hand][1] + "." +
                 suits[hand][2] + "." + suits[hand][3];
    }
    return value;
}

// A deal of the cards dealt by a fixed shuffle.
std::string ShuffledDeal(std::mt19937& random) {
    std::vector<int> places(52);
    for (int i = 0; i < 52; ++i) {
        places[i] = i;
    }
    std::shuffle(places.begin(), places.end(), random);
    return DealValue([&](int card) { return places[card] / 13; });
}
}  // namespace

TEST_F(DoubleDummyTest, ReasonsWhyADealCannotBeAnalysed) {
    const struct {
        const char* deal;
        const char* reason;
    } cases[] = {
        // West lacks the two of clubs.
        {"N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT9876543",
         "West holds 12 cards"},
        {"N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. .Q..AKQJT9876543",
         "the queen of hearts is held twice"},
        {"N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432X",
         "West holds \"X\", which is no card"},
        // Only three hands: West's is empty.
        {"N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...", "West holds 0 cards"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReasonOf(c.deal), c.reason);
    }
}

TEST_F(DoubleDummyTest, TheAnalyserAnswersAnUnanalysableDealWithoutTheSolver) {
    CFakeDoubleDummySolver solver;
    CDealAnalyser analyser(solver);
    const DealAnalysis analysis =
        analyser.Analyse(MakeDeal("N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ..."));
    EXPECT_FALSE(analysis.analysable);
    EXPECT_EQ(analysis.reason, "West holds 0 cards");
    EXPECT_EQ(solver.singleCalls, 0);
}

// 70 deals, every tenth incomplete: the complete ones go in batches of at most 32, progress
// reaches the end, and par is asked with each deal's dealer and vulnerability.
TEST_F(DoubleDummyTest, BatchesProgressAndParOfManyDeals) {
    CFakeDoubleDummySolver solver;
    solver.table[SEAT_NORTH][STRAIN_SPADES] = 10;
    solver.par.score = 420;
    solver.par.contracts = {"4S-NS"};
    std::mt19937 random(7);
    std::vector<CDeal*> deals;
    for (int board = 1; board <= 70; ++board) {
        deals.push_back(
            &MakeDeal(board % 10 == 0 ? "N:AKQ... - - -" : ShuffledDeal(random), board));
    }
    CRecordingStatusDisplay display;
    std::vector<DealAnalysis> results;
    {
        CStatusProgress progress(&display, "Analysing", 70, 0);
        CDealAnalyser analyser(solver);
        ASSERT_TRUE(analyser.AnalyseAll(deals, results, &progress));
    }
    EXPECT_EQ(solver.batchSizes, (std::vector<int>{32, 31}));
    ASSERT_EQ(results.size(), 70u);
    for (int board = 1; board <= 70; ++board) {
        const DealAnalysis& analysis = results[board - 1];
        EXPECT_EQ(analysis.analysable, board % 10 != 0) << board;
        if (analysis.analysable) {
            EXPECT_EQ(analysis.tricks[SEAT_NORTH][STRAIN_SPADES], 10);
            EXPECT_EQ(analysis.par.contracts, solver.par.contracts);
        } else {
            EXPECT_EQ(analysis.reason, "West holds 0 cards");
        }
    }
    EXPECT_EQ(display.percents.back(), 100);
    // Board 2: East deals, North-South vulnerable; board 12 (left out) would be West's.
    EXPECT_EQ(solver.parDealers[1], SEAT_EAST);
    EXPECT_EQ(solver.parVulnerabilities[1], VULNERABLE_NORTH_SOUTH);
    EXPECT_EQ(solver.parDealers[3], SEAT_WEST);
    EXPECT_EQ(solver.parVulnerabilities[3], VULNERABLE_ALL);
}

TEST_F(DoubleDummyTest, CancelStopsBetweenBatchesAndAFailingSolverGivesTheReason) {
    CFakeDoubleDummySolver solver;
    std::mt19937 random(11);
    std::vector<CDeal*> deals;
    for (int board = 1; board <= 40; ++board) {
        deals.push_back(&MakeDeal(ShuffledDeal(random), board));
    }
    const std::atomic<bool> cancel = true;
    std::vector<DealAnalysis> results;
    CDealAnalyser analyser(solver);
    EXPECT_FALSE(analyser.AnalyseAll(deals, results, nullptr, &cancel));
    EXPECT_EQ(solver.batchSizes, std::vector<int>{32});
    EXPECT_EQ(results.size(), 32u);

    solver.failure = "Cards duplicated";
    ASSERT_TRUE(analyser.AnalyseAll({deals[0]}, results));
    EXPECT_FALSE(results[0].analysable);
    EXPECT_EQ(results[0].reason, "the solver failed: Cards duplicated");
    EXPECT_EQ(analyser.Analyse(*deals[0]).reason, "the solver failed: Cards duplicated");
}

// The library itself, on deals whose tricks can be counted by hand.
TEST_F(DoubleDummyTest, TheLibrarySolvesSolidSuitsAndFindsPar) {
    CDdsSolver solver;
    CDealAnalyser analyser(solver);
    const DealAnalysis analysis = analyser.Analyse(MakeDeal(kSolidSuits, 1));
    ASSERT_TRUE(analysis.analysable) << analysis.reason;
    // A side makes all 13 tricks in its own suits and none elsewhere; no trumps: the
    // defender on lead runs his suit.
    const int suitOf[] = {STRAIN_CLUBS, STRAIN_SPADES, STRAIN_HEARTS, STRAIN_DIAMONDS};
    for (int seat = 0; seat < 4; ++seat) {
        for (int strain = 0; strain < 5; ++strain) {
            const bool ownSide = strain == suitOf[seat] || strain == suitOf[(seat + 2) % 4];
            EXPECT_EQ(analysis.tricks[seat][strain], ownSide ? 13 : 0)
                << "seat " << seat << " strain " << strain;
        }
    }
    // North-South's grand slam in spades beats East-West's in hearts (seven against seven:
    // spades outrank hearts). Board 1: nobody vulnerable; board 2: North-South.
    EXPECT_EQ(analysis.par.score, 1510);
    EXPECT_EQ(analysis.par.contracts, std::vector<std::string>{"7S-NS"});
    EXPECT_EQ(analyser.Analyse(MakeDeal(kSolidSuits, 2)).par.score, 2210);
}

// The batch call gives the single call's tables, also past the first batch. The deals are
// runs of cards (quick to solve): card i of the pack goes to hand ((i + shift) / 13) mod 4.
TEST_F(DoubleDummyTest, TheLibrarysBatchAgreesWithItsSingleCall) {
    CDdsSolver solver;
    CDealAnalyser analyser(solver);
    std::vector<CDeal*> deals;
    for (int board = 1; board <= 33; ++board) {
        const std::string value =
            DealValue([board](int card) { return (card + board * 5) / 13 % 4; });
        deals.push_back(&MakeDeal(value, board));
    }
    std::vector<DealAnalysis> results;
    ASSERT_TRUE(analyser.AnalyseAll(deals, results));
    for (const int index : {0, 31, 32}) {
        const DealAnalysis single = analyser.Analyse(*deals[index]);
        ASSERT_TRUE(results[index].analysable) << results[index].reason;
        EXPECT_EQ(results[index].tricks, single.tricks) << index;
        EXPECT_EQ(results[index].par.score, single.par.score) << index;
        EXPECT_EQ(results[index].par.contracts, single.par.contracts) << index;
    }
}
