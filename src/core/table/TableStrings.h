#pragma once

#include "core/items/StringTable.h"

// Texts of the bidding table.
constexpr unsigned IDS_HIDE_UNFINISHED = 61814;
constexpr unsigned IDS_LEAVE_WITHOUT_CALL = 61817;
constexpr unsigned IDS_HAS_PEEKED = 61819;
// The dialog's title before the deal's name, and the compass letters North, East, South, West.
constexpr unsigned IDS_BIDDING_TITLE = 62300;
constexpr unsigned IDS_COMPASS_NORTH = 62301;
constexpr unsigned IDS_COMPASS_EAST = 62302;
constexpr unsigned IDS_COMPASS_SOUTH = 62303;
constexpr unsigned IDS_COMPASS_WEST = 62304;
constexpr unsigned IDS_DEALER_MARK = 62305;

// Adds these texts to the string table.
void RegisterTableStrings();
