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
constexpr unsigned IDS_DEAL_LOGGED = 62306;
// The deal in words.
constexpr unsigned IDS_DEALER_AND_VULNERABILITY = 62307;
constexpr unsigned IDS_NONE_VULNERABLE = 62308;
constexpr unsigned IDS_NORTH_SOUTH_VULNERABLE = 62309;
constexpr unsigned IDS_EAST_WEST_VULNERABLE = 62310;
constexpr unsigned IDS_BOTH_VULNERABLE = 62311;
constexpr unsigned IDS_CONTRACT = 62312;
constexpr unsigned IDS_CONTRACT_DOUBLED = 62313;
constexpr unsigned IDS_CONTRACT_REDOUBLED = 62314;
constexpr unsigned IDS_PASSED_OUT = 62315;

// Adds these texts to the string table.
void RegisterTableStrings();
