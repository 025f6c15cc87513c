#pragma once

#include "core/items/StringTable.h"

// Texts of the bidding table.
enum TableStringId : unsigned {
    IDS_HIDE_UNFINISHED = 60400,
    IDS_LEAVE_WITHOUT_CALL,
    IDS_HAS_PEEKED,
    // The dialog's title before the deal's name, and the compass letters North, East, South, West.
    IDS_BIDDING_TITLE,
    IDS_COMPASS_NORTH,
    IDS_COMPASS_EAST,
    IDS_COMPASS_SOUTH,
    IDS_COMPASS_WEST,
    IDS_DEALER_MARK,
    IDS_DEAL_LOGGED,
    // The deal in words.
    IDS_DEALER_AND_VULNERABILITY,
    IDS_NONE_VULNERABLE,
    IDS_NORTH_SOUTH_VULNERABLE,
    IDS_EAST_WEST_VULNERABLE,
    IDS_BOTH_VULNERABLE,
    IDS_CONTRACT,
    IDS_CONTRACT_DOUBLED,
    IDS_CONTRACT_REDOUBLED,
    IDS_PASSED_OUT,
};

// Adds these texts to the string table.
void RegisterTableStrings();
