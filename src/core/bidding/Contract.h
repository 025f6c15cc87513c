#pragma once

#include <string>
#include <vector>

#include "core/bidding/BiddingIds.h"
#include "core/deals/Seats.h"

// How an auction ended.
enum class ContractKind {
    Incomplete,  // the auction is not over: no contract yet
    PassedOut,   // four passes
    Bid,         // a contract was reached
};

// The final contract of an auction.
struct Contract {
    ContractKind kind = ContractKind::Incomplete;
    int level = 0;  // 1 to 7
    Strain strain = STRAIN_NONE;
    int doubling = 0;  // 0 undoubled, 1 doubled, 2 redoubled
    Seat declarer = SEAT_NONE;

    bool IsBid() const { return kind == ContractKind::Bid; }
    // "4S", "3NX", "6HXX"; "P" when passed out; empty when the auction is incomplete.
    std::string GetText() const;
};

// The contract of the calls, entry i called by seat (firstSeat + i) modulo 4. Codes of 0 are
// placeholders: they take a seat's turn but are no call. The declarer is the first player of
// the declaring side who named the final strain.
Contract FinalContract(const std::vector<int>& codes, Seat firstSeat);
