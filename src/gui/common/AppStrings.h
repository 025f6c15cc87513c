#pragma once

#include <QString>

// Texts of the Qt program: captions, questions and the status bar. Ids with a number given by
// the system keep it; the others are numbered from 62400.
constexpr unsigned IDS_APP_TITLE = 57344;
constexpr unsigned IDS_IDLE_MESSAGE = 57345;
constexpr unsigned IDS_GENERAL_OPTIONS = 62464;
constexpr unsigned IDS_DEFENSIVE_ACTIONS_CAPTION = 62465;
constexpr unsigned IDS_ASK_TO_SAVE = 62400;
constexpr unsigned IDS_DEFAULT_DOCUMENT_NAME = 62401;
constexpr unsigned IDS_DOCUMENT_FILTER = 62402;
constexpr unsigned IDS_DOCUMENT_EXTENSION = 62403;
constexpr unsigned IDS_ABOUT_CAPTION = 62404;
constexpr unsigned IDS_ABOUT_TEXT = 62405;
constexpr unsigned IDS_ABOUT_LINES = 62406;
constexpr unsigned IDS_HELP_CAPTION = 62407;
constexpr unsigned IDS_INDICATOR_CAPS = 62408;
constexpr unsigned IDS_INDICATOR_NUM = 62409;
constexpr unsigned IDS_INDICATOR_SCROLL = 62410;
constexpr unsigned IDS_GENERAL_PAGE = 62411;
constexpr unsigned IDS_VULNERABILITY_IN_COLOUR = 62412;
constexpr unsigned IDS_NO_PRINTER = 62413;
constexpr unsigned IDS_PRINT_PAGE = 62414;
constexpr unsigned IDS_OPEN_FILTER = 62415;
constexpr unsigned IDS_HELP_MISSING = 62416;
constexpr unsigned IDS_OPEN_DEAL_FILE = 62417;
constexpr unsigned IDS_NO_LOG_BOOK = 62418;
constexpr unsigned IDS_SHOW_REVIEW = 62419;

// The text with that id, from this table or else from the core's string table.
QString AppString(unsigned id);
