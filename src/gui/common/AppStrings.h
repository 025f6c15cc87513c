#pragma once

#include <QString>

// Texts of the Qt program: captions, questions and the status bar.
enum AppStringId : unsigned {
    IDS_APP_TITLE = 60600,
    IDS_IDLE_MESSAGE,
    IDS_GENERAL_OPTIONS,
    IDS_DEFENSIVE_ACTIONS_CAPTION,
    IDS_ASK_TO_SAVE,
    IDS_DEFAULT_DOCUMENT_NAME,
    IDS_DOCUMENT_FILTER,
    IDS_DOCUMENT_EXTENSION,
    IDS_ABOUT_CAPTION,
    IDS_ABOUT_TEXT,
    IDS_ABOUT_LINES,
    IDS_HELP_CAPTION,
    IDS_INDICATOR_CAPS,
    IDS_INDICATOR_NUM,
    IDS_INDICATOR_SCROLL,
    IDS_GENERAL_PAGE,
    IDS_VULNERABILITY_IN_COLOUR,
    IDS_NO_PRINTER,
    IDS_PRINT_PAGE,
    IDS_OPEN_FILTER,
    IDS_HELP_MISSING,
    IDS_OPEN_DEAL_FILE,
    IDS_NO_LOG_BOOK,
    IDS_SHOW_REVIEW,
};

// The text with that id, from this table or else from any other registered one.
QString AppString(unsigned id);
