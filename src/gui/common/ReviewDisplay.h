#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

// What the review after an auction shows, worked out and ready to draw: the bidding dialog's
// panel and the session review window are fed from it and know nothing of the analysis.

// Strains in the order of the bidding box: clubs, diamonds, hearts, spades, no trumps.
constexpr int kReviewStrainCount = 5;

struct ContractShown {
    int level = 0;      // 1 to 7; 0 when the deal was passed out
    int strain = 0;     // 0 clubs .. 4 no trumps
    int doubled = 0;    // 0, 1 doubled, 2 redoubled
    int declarer = -1;  // a seat of Seats.h; -1 when passed out
};

// A contract with what it makes double dummy.
struct ResultShown {
    ContractShown contract;
    int tricks = -1;       // the declarer's; -1 when passed out
    int score = 0;         // from North-South's view
    bool complete = true;  // false: the auction stops before its end and has no contract
};

struct ReferenceCallShown {
    int code = 0;  // a call code (BiddingIds.h)
    std::string note;
};

// The auction that the deal file carries, beside the pair's own.
struct ReferenceShown {
    int firstSeat = 0;  // the seat of the first call
    std::vector<ReferenceCallShown> calls;
    int departure = -1;  // the first call the pair did not make; -1 none
    ResultShown result;
};

struct ReviewDisplay;
struct AuctionReview;
struct DealReview;
class CReferenceAuction;

// The review's numbers as the windows show them; the file's auction, when the deal has one,
// with its calls and notes.
ResultShown MakeResultShown(const AuctionReview& auction);
ReviewDisplay MakeReviewDisplay(const DealReview& review, const CReferenceAuction* reference);

struct ReviewDisplay {
    enum class State {
        Hidden,        // the auction is not complete, or the review is switched off
        Analysing,     // the solver is at work
        Unanalysable,  // the deal cannot be analysed: see reason
        Ready,
    };
    State state = State::Hidden;
    std::string reason;
    // Tricks by declarer (a seat of Seats.h) and strain.
    std::array<std::array<int, kReviewStrainCount>, 4> tricks{};
    int parScore = 0;                       // from North-South's view
    std::vector<std::string> parContracts;  // as the solver writes them: "4S-NS", "5D*-EW-2"
    ResultShown reached;
    int imps = 0;  // of the reached score against par, North-South's view
    std::optional<ReferenceShown> reference;
};
