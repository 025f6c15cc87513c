#include "core/review/DealReview.h"

#include <algorithm>
#include <utility>

#include "core/bidding/CAuction.h"
#include "core/bidding/CBiddingDeal.h"
#include "core/bidding/CCall.h"
#include "core/bidding/CReferenceAuction.h"
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

// The first entry at which both auctions hold something and differ, as a call index of the
// pair's auction (from its first call); -1 when they agree as far as both go.
int FirstDifference(const std::vector<int>& pair, const std::vector<int>& reference) {
    const std::size_t common = std::min(pair.size(), reference.size());
    int calls = 0;
    for (std::size_t i = 0; i < common; ++i) {
        if (pair[i] != reference[i]) {
            return calls;
        }
        calls += pair[i] != IDC_PLACEHOLDER ? 1 : 0;
    }
    return -1;
}
}  // namespace

AuctionReview ReviewAuction(const std::vector<int>& codes, Seat firstSeat,
                            const DealAnalysis& analysis, Vulnerability vulnerability) {
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
    // Read only: a deal not bid yet need not be given an auction for it.
    const std::vector<int> codes = std::as_const(deal).GetAuction()->GetCallCodes();
    const auto vulnerability = static_cast<Vulnerability>(deal.GetVulnerability());
    review.auction = ReviewAuction(codes, SEAT_WEST, analysis, vulnerability);
    if (const CReferenceAuction* reference = deal.GetReferenceAuction()) {
        const std::vector<int> entries = reference->GetEntries();
        review.reference = ReviewAuction(entries, SEAT_WEST, analysis, vulnerability);
        review.leftReferenceAt = FirstDifference(codes, entries);
    }
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
