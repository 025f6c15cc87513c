#pragma once

#include "core/items/StringTable.h"

// Texts of bidding: calls, auctions, bidding deals and sessions.
enum BiddingStringId : unsigned {
    IDS_SESSION_PROPERTIES = 60200,
    IDS_LOG_BOOK,
    IDS_SELECT_PLAYER,
    IDS_SESSION_OPTIONS,
    IDS_NO_DEALS_FOUND,
    IDS_DEALS_IMPORTED,
    IDS_DEALS_WITHOUT_CARDS,
    IDS_IMPORT_FILE_MISSING,
    IDS_ONE_DEAL_IMPORTED,
    IDS_ONE_DEAL_WITHOUT_CARDS,
    IDS_LOG_BOOK_UNREADABLE,
    IDS_LOG_BOOK_DAMAGED,
    IDS_LOG_BOOK_DAMAGED_NAME,
    IDS_LOG_BOOK_NOT_COPIED,
};

// Adds these texts to the string table.
void RegisterBiddingStrings();
