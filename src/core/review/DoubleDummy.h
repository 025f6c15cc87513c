#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/bidding/BiddingIds.h"
#include "core/deals/Seats.h"

class CDeal;

// The cards of a complete deal: per seat index and suit (spades first), the ranks held as
// bits, bit 2 for the two up to bit 14 for the ace.
struct DealCards {
    std::array<std::array<unsigned, kSuitCount>, kSeatCount> holdings{};
};

// Double-dummy tricks per declaring seat index and strain (STRAIN_CLUBS to STRAIN_NOTRUMP).
using TrickTable = std::array<std::array<int, kStrainCount>, kSeatCount>;

// The par of a deal: the score from North-South's view and the contracts that give it, as
// "4S-NS", "5D*-EW-2" (doubled sacrifice, two down).
struct ParResult {
    int score = 0;
    std::vector<std::string> contracts;
};

// The double-dummy analysis of a deal: nothing but a one-line reason when the deal is not
// four hands of 13 different cards.
struct DealAnalysis {
    bool analysable = false;
    std::string reason;
    TrickTable tricks{};
    ParResult par;
};

// The deal's cards, or false with the reason why the deal cannot be analysed
// ("West holds 12 cards", "the queen of hearts is held twice").
bool ReadDealCards(const CDeal& deal, DealCards& cards, std::string& reason);
