#pragma once

#include <QString>

// Captions of the bidding table's dialogs (the messages, the title and the compass letters are
// the core's, core/table/TableStrings.h).
enum TableTextId : unsigned {
    IDS_EDIT_NOTE_MENU = 60700,  // the auction grid's cell menu
    IDS_CLOSE,
    IDS_HELP_BUTTON,
    IDS_SELECT_NORTH,
    IDS_SELECT_SOUTH,
    IDS_AUTO_BID,
    IDS_HIDE,
    IDS_LOG_BOOK_BUTTON,
    IDS_COPY,
    IDS_EDIT_COMMENT_TITLE,
    IDS_OK,
    IDS_CANCEL,
    IDS_EDIT_COMMENT_CALL_TITLE,
};

// The text with that id, from this table or else from any other registered one.
QString TableText(unsigned id);
