#pragma once

#include <QString>

// Captions of the bidding table's dialogs. Ids with a number given by the system keep it;
// the others are numbered from 62600.
constexpr unsigned IDS_BIDDING_TITLE = 62600;  // dialog 187's own title
constexpr unsigned IDS_CLOSE = 62601;
constexpr unsigned IDS_HELP_BUTTON = 62602;
constexpr unsigned IDS_SELECT_NORTH = 62603;
constexpr unsigned IDS_SELECT_SOUTH = 62604;
constexpr unsigned IDS_AUTO_BID = 62605;
constexpr unsigned IDS_HIDE = 62606;
constexpr unsigned IDS_LOG_BOOK = 62607;
constexpr unsigned IDS_COPY = 62608;
constexpr unsigned IDS_COMPASS_LETTERS = 62609;  // "N", "E", "S", "W" as one text
constexpr unsigned IDS_EDIT_COMMENT_TITLE = 62610;
constexpr unsigned IDS_OK = 62611;
constexpr unsigned IDS_CANCEL = 62612;

QString TableText(unsigned id);
