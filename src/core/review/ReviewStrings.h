#pragma once

#include "core/items/StringTable.h"

// Texts of the review: why a deal cannot be analysed.
enum ReviewStringId : unsigned {
    IDS_HAND_CARD_COUNT = 60500,  // "%1 holds %2 cards"
    IDS_CARD_HELD_TWICE,          // "the %1 of %2 is held twice"
    IDS_UNKNOWN_CARD,             // "%1 holds \"%2\", which is no card"
    IDS_SOLVER_FAILED,            // "the solver failed: %1"
    // The names of the ranks, ace to two, one after the other.
    IDS_RANK_ACE,
    IDS_RANK_KING,
    IDS_RANK_QUEEN,
    IDS_RANK_JACK,
    IDS_RANK_TEN,
    IDS_RANK_NINE,
    IDS_RANK_EIGHT,
    IDS_RANK_SEVEN,
    IDS_RANK_SIX,
    IDS_RANK_FIVE,
    IDS_RANK_FOUR,
    IDS_RANK_THREE,
    IDS_RANK_TWO,
    // The names of the suits, spades to clubs, one after the other.
    IDS_SUIT_SPADES,
    IDS_SUIT_HEARTS,
    IDS_SUIT_DIAMONDS,
    IDS_SUIT_CLUBS,
};

// Adds these texts to the string table.
void RegisterReviewStrings();
