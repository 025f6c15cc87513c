#pragma once

#include "core/items/StringTable.h"

// Texts of the review: why a deal cannot be analysed.
constexpr unsigned IDS_HAND_CARD_COUNT = 62400;  // "%1 holds %2 cards"
constexpr unsigned IDS_CARD_HELD_TWICE = 62401;  // "the %1 of %2 is held twice"
constexpr unsigned IDS_UNKNOWN_CARD = 62402;     // "%1 holds \"%2\", which is no card"
constexpr unsigned IDS_SOLVER_FAILED = 62403;    // "the solver failed: %1"
// The names of the ranks, ace (+0) to two (+12), and of the suits, spades (+0) to clubs (+3).
constexpr unsigned IDS_FIRST_RANK_NAME = 62410;
constexpr unsigned IDS_FIRST_SUIT_NAME = 62430;

// Adds these texts to the string table.
void RegisterReviewStrings();
