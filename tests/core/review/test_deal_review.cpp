#include <gtest/gtest.h>

#include "CFakeDoubleDummySolver.h"
#include "CallWords.h"
#include "ReviewTestHelpers.h"
#include "core/bidding/CAuction.h"
#include "core/bidding/CBiddingDeal.h"
#include "core/bidding/CReferenceAuction.h"
#include "core/review/DealReview.h"

namespace {
const char kDeal[] = "N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432";

class DealReviewTest : public ReviewTest {
protected:
    CBiddingDeal& MakeBidDeal(const std::string& calls, int board = 1) {
        CBiddingDeal& deal = MakeDeal(kDeal, board);
        deal.GetAuction()->AppendPlaceholders(deal.GetDealer());
        for (const int code : CallCodes(calls)) {
            deal.GetAuction()->AppendCall(code);
        }
        return deal;
    }

    DealAnalysis Analysis(int parScore) const {
        DealAnalysis analysis;
        analysis.analysable = true;
        for (auto& seat : analysis.tricks) {
            seat.fill(7);
        }
        analysis.tricks[SEAT_NORTH][STRAIN_SPADES] = 10;
        analysis.tricks[SEAT_EAST][STRAIN_HEARTS] = 8;
        analysis.par.score = parScore;
        analysis.par.contracts = {"4S-NS"};
        return analysis;
    }
};
}  // namespace

TEST_F(DealReviewTest, ContractTricksScoreAndImpsAgainstPar) {
    const struct {
        const char* calls;
        int board;
        int par;
        const char* contract;
        int declarer;
        int tricks;
        int score;
        int imps;
    } cases[] = {
        {"1S P 4S P P P", 1, 420, "4S", SEAT_NORTH, 10, 420, 0},
        {"1S P 2S P P P", 1, 420, "2S", SEAT_NORTH, 10, 170, -6},
        {"1S P 6S P P P", 1, 420, "6S", SEAT_NORTH, 10, -100, -11},
        // Board 3: South deals, East-West vulnerable. East goes down one doubled: +200.
        {"1S P P 3H D P P P", 3, 420, "3HX", SEAT_EAST, 8, 200, -6},
        {"P P P P", 1, 420, "P", -1, -1, 0, -9},
        {"1S P 4S P", 1, 420, "", -1, -1, 0, 0},
    };
    for (const auto& c : cases) {
        const DealReview review = ReviewDeal(MakeBidDeal(c.calls, c.board), Analysis(c.par));
        EXPECT_EQ(review.dealName, "A" + std::to_string(c.board));
        EXPECT_EQ(review.auction.calls, c.calls);
        EXPECT_EQ(review.auction.contract.GetText(), c.contract) << c.calls;
        EXPECT_EQ(review.auction.contract.declarer, c.declarer) << c.calls;
        EXPECT_EQ(review.auction.declarerTricks, c.tricks) << c.calls;
        EXPECT_EQ(review.auction.score, c.score) << c.calls;
        EXPECT_EQ(review.auction.imps, c.imps) << c.calls;
        EXPECT_FALSE(review.reference.has_value());
        EXPECT_EQ(review.leftReferenceAt, -1);
    }
}

// Without an analysis the contract is still known, but not its tricks or score.
TEST_F(DealReviewTest, AnUnanalysableDealKeepsItsContract) {
    DealAnalysis analysis;
    analysis.reason = "West holds 12 cards";
    const DealReview review = ReviewDeal(MakeBidDeal("1S P 4S P P P"), analysis);
    EXPECT_EQ(review.auction.contract.GetText(), "4S");
    EXPECT_EQ(review.auction.declarerTricks, -1);
    EXPECT_EQ(review.auction.score, 0);
    EXPECT_EQ(review.auction.imps, 0);
    EXPECT_EQ(review.analysis.reason, "West holds 12 cards");
}

TEST_F(DealReviewTest, ReviewDealsAnalysesInOneBatch) {
    CFakeDoubleDummySolver solver;
    solver.table[SEAT_NORTH][STRAIN_SPADES] = 11;
    solver.par.score = 450;
    std::vector<CBiddingDeal*> deals = {&MakeBidDeal("1S P 4S P P P"),
                                        &MakeBidDeal("1S P 2S P P P")};
    std::vector<DealReview> reviews;
    ASSERT_TRUE(ReviewDeals(deals, solver, reviews));
    EXPECT_EQ(solver.batchSizes, std::vector<int>{2});
    ASSERT_EQ(reviews.size(), 2u);
    EXPECT_EQ(reviews[0].auction.score, 450);
    EXPECT_EQ(reviews[1].auction.score, 200);
    EXPECT_EQ(reviews[1].auction.imps, -6);
}

// The file's own auction is reviewed like the pair's, and the review says where the pair left it.
TEST_F(DealReviewTest, TheReferenceAuctionAndWhereThePairLeftIt) {
    const struct {
        const char* pair;
        const char* reference;
        int leftAt;
    } cases[] = {
        {"1S P 4S P P P", "N:1S P 2S P P P", 2},
        {"1S P 2S P P P", "N:1S P 2S P P P", -1},
        {"1S P", "N:1S P 2S P P P", -1},  // not there yet
        {"1H P 2H P P P", "N:1S P 2S P P P", 0},
        {"1S 2H 2S P P P", "N:1S P 2S", 1},
        // A reference that starts with another seat than the dealer differs at once.
        {"1S P 2S P P P", "E:P 1S P 2S P P P", 0},
    };
    for (const auto& c : cases) {
        CBiddingDeal& deal = MakeBidDeal(c.pair);
        deal.SetReferenceAuction(CReferenceAuction::FromFieldText(c.reference));
        const DealReview review = ReviewDeal(deal, Analysis(420));
        ASSERT_TRUE(review.reference.has_value()) << c.reference;
        EXPECT_EQ(review.leftReferenceAt, c.leftAt) << c.pair << " / " << c.reference;
    }
    CBiddingDeal& deal = MakeBidDeal("1S P 4S P P P");
    deal.SetReferenceAuction(CReferenceAuction::FromFieldText("N:1S P 2S P P P"));
    const DealReview review = ReviewDeal(deal, Analysis(420));
    EXPECT_EQ(review.reference->calls, "1S P 2S P P P");
    EXPECT_EQ(review.reference->contract.GetText(), "2S");
    EXPECT_EQ(review.reference->contract.declarer, SEAT_NORTH);
    EXPECT_EQ(review.reference->declarerTricks, 10);
    EXPECT_EQ(review.reference->score, 170);
    EXPECT_EQ(review.reference->imps, -6);
}
