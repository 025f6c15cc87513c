#include "core/review/DealReview.h"

#include "core/bidding/CAuction.h"
#include "core/bidding/CBiddingDeal.h"
#include "core/bidding/CCall.h"
#include "core/review/CDealAnalyser.h"
#include "core/review/Scoring.h"

namespace {
std::string CallWords(const std::vector<int>& codes) {
    std::string words;
    for (const int code : codes) {
        if (code == IDC_PLACEHOLDER) {
            continue;
        }
        if (!words.empty()) {
            words += ' ';
        }
        words += CCall::GetCallText(code);
    }
    return words;
}

std::vector<int> AuctionCodes(const CAuction& auction) {
    std::vector<int> codes;
    for (int index = 0; index < auction.GetCallCount(); ++index) {
        codes.push_back(auction.GetCallCode(index));
    }
    return codes;
}
}  // namespace

AuctionReview ReviewAuction(const std::vector<int>& codes, int firstSeat,
                            const DealAnalysis& analysis, int vulnerability) {
    AuctionReview review;
    review.calls = CallWords(codes);
    review.contract = FinalContract(codes, firstSeat);
    if (!analysis.analysable || review.contract.kind == ContractKind::Incomplete) {
        return review;
    }
    if (review.contract.IsBid()) {
        review.declarerTricks = analysis.tricks[review.contract.declarer][review.contract.strain];
        review.score = NorthSouthScore(review.contract, review.declarerTricks, vulnerability);
    }
    review.imps = ImpsOf(review.score - analysis.par.score);
    return review;
}

DealReview ReviewDeal(CBiddingDeal& deal, const DealAnalysis& analysis) {
    DealReview review;
    review.dealName = deal.GetName();
    review.analysis = analysis;
    review.auction = ReviewAuction(AuctionCodes(*deal.GetAuction()), SEAT_WEST, analysis,
                                   deal.GetVulnerability());
    return review;
}

bool ReviewDeals(const std::vector<CBiddingDeal*>& deals, IDoubleDummySolver& solver,
                 std::vector<DealReview>& reviews, CStatusProgress* progress,
                 const std::atomic<bool>* cancel) {
    CDealAnalyser analyser(solver);
    std::vector<DealAnalysis> analyses;
    const bool finished = analyser.AnalyseAll(std::vector<CDeal*>(deals.begin(), deals.end()),
                                              analyses, progress, cancel);
    reviews.clear();
    for (std::size_t i = 0; i < analyses.size(); ++i) {
        reviews.push_back(ReviewDeal(*deals[i], analyses[i]));
    }
    return finished;
}
