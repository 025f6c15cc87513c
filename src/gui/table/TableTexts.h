#pragma once

#include <QString>

// Captions of the bidding table's dialogs (the messages, the title and the
// compass letters are the core's, table/TableStrings.h). Ids with a number given by the
// system keep it; the others are numbered from 62600.
constexpr unsigned IDS_EDIT_NOTE_MENU = 61812;  // the auction grid's cell menu
constexpr unsigned IDS_CLOSE = 62600;
constexpr unsigned IDS_HELP_BUTTON = 62601;
constexpr unsigned IDS_SELECT_NORTH = 62602;
constexpr unsigned IDS_SELECT_SOUTH = 62603;
constexpr unsigned IDS_AUTO_BID = 62604;
constexpr unsigned IDS_HIDE = 62605;
constexpr unsigned IDS_LOG_BOOK = 62606;
constexpr unsigned IDS_COPY = 62607;
constexpr unsigned IDS_EDIT_COMMENT_TITLE = 62608;
constexpr unsigned IDS_OK = 62609;
constexpr unsigned IDS_CANCEL = 62610;
constexpr unsigned IDS_EDIT_COMMENT_CALL_TITLE = 62611;

// The text with that id from this table, or else from the core's string table.
QString TableText(unsigned id);
