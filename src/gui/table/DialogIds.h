#pragma once

// Dialogs of the bidding table and their controls. Each control's objectName is its id
// (ControlName), so the dialogs and their tests find controls by id.

#include <QString>

constexpr int IDD_BIDDING = 187;
constexpr int IDD_EDIT_COMMENT = 251;

constexpr int IDOK = 1;  // "OK"; "Close" in the bidding dialog
constexpr int IDCANCEL = 2;
constexpr int IDC_HELP_BUTTON = 1077;

// Holdings by seat, spades first: North, East, South, West.
constexpr int IDC_NORTH_HOLDINGS = 1090;
constexpr int IDC_EAST_HOLDINGS = 1094;
constexpr int IDC_SOUTH_HOLDINGS = 1098;
constexpr int IDC_WEST_HOLDINGS = 1102;

constexpr int IDC_COMPASS_NORTH = 1119;
constexpr int IDC_COMPASS_EAST = 1120;
constexpr int IDC_COMPASS_SOUTH = 1121;
constexpr int IDC_COMPASS_WEST = 1122;
constexpr int IDC_COMPASS = 1227;

constexpr int IDC_FIRST_DEAL = 1134;
constexpr int IDC_PREVIOUS_DEAL = 1135;
constexpr int IDC_NEXT_DEAL = 1136;
constexpr int IDC_LAST_DEAL = 1137;

constexpr int IDC_COMMENT = 1139;
constexpr int IDC_NORTH_TEXT = 1151;
constexpr int IDC_SOUTH_TEXT = 1152;
constexpr int IDC_TAKE_BACK = 1177;
constexpr int IDC_DEFENDERS_TEXT = 1178;
constexpr int IDC_GRID_PLACE = 1184;
constexpr int IDC_SELECT_NORTH = 1188;
constexpr int IDC_SELECT_SOUTH = 1189;
constexpr int IDC_AUTO_BID = 1190;
constexpr int IDC_HIDE = 1196;
constexpr int IDC_LOG_BOOK = 1204;
constexpr int IDC_COPY = 1205;
constexpr int IDC_GRID = 1234;

// The auction grid's cell menu.
constexpr unsigned ID_EDIT_NOTE = 1001;

inline QString ControlName(int id) {
    return QString::number(id);
}
