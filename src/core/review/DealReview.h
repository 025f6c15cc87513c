#pragma once

#include <atomic>
#include <optional>
#include <string>
#include <vector>

#include "core/bidding/Contract.h"
#include "core/review/DoubleDummy.h"

class CBiddingDeal;
class CStatusProgress;
class IDoubleDummySolver;

// An auction as it is reviewed: its calls, its contract, and what the contract scores
// double-dummy.
struct AuctionReview {
    // The calls as lvtool bid takes them ("1S P 4S P P P"), blank-separated.
    std::string calls;
    Contract contract;
    // The declarer's double-dummy tricks in the strain; -1 without a bid contract or analysis.
    int declarerTricks = -1;
    // From North-South's view; 0 without a bid contract or analysis.
    int score = 0;
    // score minus par in IMPs; 0 when the score is unknown (incomplete, or no analysis).
    int imps = 0;
};

// The review of one deal after its auction.
struct DealReview {
    std::string dealName;
    DealAnalysis analysis;
    AuctionReview auction;
    // The file's own auction for the deal, when it carries one.
    std::optional<AuctionReview> reference;
    // The first call at which the pair's auction left the reference (0 for the pair's first
    // call); -1 when the two agree as far as both go, or there is no reference.
    int leftReferenceAt = -1;
};

// Scores an auction against the analysis of its deal: entry i called by seat
// (firstSeat + i) modulo 4, codes of 0 placeholders (as CAuction holds them, from West).
AuctionReview ReviewAuction(const std::vector<int>& codes, Seat firstSeat,
                            const DealAnalysis& analysis, Vulnerability vulnerability);
// The deal's review from its analysis.
DealReview ReviewDeal(CBiddingDeal& deal, const DealAnalysis& analysis);
// Analyses the deals in batches, then reviews each. False when cancelled between batches:
// the reviews then hold only the deals done so far.
bool ReviewDeals(const std::vector<CBiddingDeal*>& deals, IDoubleDummySolver& solver,
                 std::vector<DealReview>& reviews, CStatusProgress* progress = nullptr,
                 const std::atomic<bool>* cancel = nullptr);
