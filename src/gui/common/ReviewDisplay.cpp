#include "gui/common/ReviewDisplay.h"

#include "core/bidding/CReferenceAuction.h"
#include "core/review/DealReview.h"

ResultShown MakeResultShown(const AuctionReview& auction) {
    ResultShown shown;
    const Contract& contract = auction.contract;
    shown.complete = contract.kind != ContractKind::Incomplete;
    if (contract.IsBid()) {
        shown.contract = {contract.level, contract.strain, contract.doubling, contract.declarer};
        shown.tricks = auction.declarerTricks;
    }
    shown.score = auction.score;
    return shown;
}

ReviewDisplay MakeReviewDisplay(const DealReview& review, const CReferenceAuction* reference) {
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
    if (reference != nullptr && review.reference) {
        ReferenceShown& shown = display.reference.emplace();
        shown.firstSeat = reference->GetFirstSeat();
        for (int code : reference->GetCalls()) {
            shown.calls.push_back({code, {}});
        }
        for (const CReferenceAuction::Note& note : reference->GetNotes()) {
            std::string& text = shown.calls[static_cast<std::size_t>(note.callIndex)].note;
            text += (text.empty() ? "" : " ") + note.text;
        }
        shown.departure = review.leftReferenceAt;
        shown.result = MakeResultShown(*review.reference);
    }
    return display;
}
