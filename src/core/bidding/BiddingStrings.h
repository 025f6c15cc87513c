#pragma once

#include "core/items/StringTable.h"

// Texts of bidding: calls, auctions, bidding deals and sessions.
constexpr unsigned IDS_SESSION_PROPERTIES = 61813;
constexpr unsigned IDS_LOG_BOOK = 61815;
constexpr unsigned IDS_SELECT_PLAYER = 61816;
constexpr unsigned IDS_SESSION_OPTIONS = 61818;
constexpr unsigned IDS_NO_DEALS_FOUND = 62440;
constexpr unsigned IDS_DEALS_IMPORTED = 62441;
constexpr unsigned IDS_DEALS_WITHOUT_CARDS = 62442;
constexpr unsigned IDS_IMPORT_FILE_MISSING = 62443;
constexpr unsigned IDS_ONE_DEAL_IMPORTED = 62444;
constexpr unsigned IDS_ONE_DEAL_WITHOUT_CARDS = 62445;
constexpr unsigned IDS_LOG_BOOK_UNREADABLE = 61830;
constexpr unsigned IDS_LOG_BOOK_DAMAGED = 61831;
constexpr unsigned IDS_LOG_BOOK_DAMAGED_NAME = 61832;
constexpr unsigned IDS_LOG_BOOK_NOT_COPIED = 61833;

// Adds these texts to the string table.
void RegisterBiddingStrings();
