#pragma once

#include <span>
#include <string>

#include "core/items/StringTable.h"

// Texts of the review: why a deal cannot be analysed.
constexpr unsigned IDS_HAND_CARD_COUNT = 62400;    // "%s holds %d cards"
constexpr unsigned IDS_CARD_HELD_TWICE = 62401;    // "the %s of %s is held twice"
constexpr unsigned IDS_UNKNOWN_CARD = 62402;       // "%s holds an unknown card \"%c\""
constexpr unsigned IDS_SOLVER_FAILED = 62403;      // "the solver failed: %s"
constexpr unsigned IDS_RANK_NAMES = 62404;         // the 13 rank names, ace first
constexpr unsigned IDS_SUIT_NAMES = 62405;         // the 4 suit names, spades first

std::span<const StringResource> ReviewStringTable();
// A text of the review's own table (the review stands above every other subsystem, so the
// common string lookup does not know it).
std::string ReviewString(unsigned id);
