#include "gui/common/ReviewDisplay.h"

#include "core/review/DealReview.h"

ResultShown MakeResultShown(const AuctionReview& auction) {
    ResultShown shown;
    const Contract& contract = auction.contract;
    if (contract.IsBid()) {
        shown.contract = {contract.level, contract.strain, contract.doubling, contract.declarer};
        shown.tricks = auction.declarerTricks;
    }
    shown.score = auction.score;
    return shown;
}

ReviewDisplay MakeReviewDisplay(const DealReview& review) {
    ReviewDisplay display;
    const DealAnalysis& analysis = review.analysis;
    if (!analysis.analysable) {
        display.state = ReviewDisplay::State::Unanalysable;
        display.reason = analysis.reason;
        return display;
    }
    display.state = ReviewDisplay::State::Ready;
    for (std::size_t seat = 0; seat < display.tricks.size(); ++seat) {
        for (std::size_t strain = 0; strain < display.tricks[seat].size(); ++strain) {
            display.tricks[seat][strain] = analysis.tricks[seat][strain];
        }
    }
    display.parScore = analysis.par.score;
    display.parContracts = analysis.par.contracts;
    display.reached = MakeResultShown(review.auction);
    display.imps = review.auction.imps;
    return display;
}
