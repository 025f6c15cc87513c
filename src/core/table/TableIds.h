#pragma once

// The controls of the bidding table's dialog. The bidding box's call buttons have the call
// codes as their ids (1138 ... 1175, Pass 1176, Double 1179, Redouble 1180).
constexpr unsigned IDC_CLOSE = 1;
constexpr unsigned IDC_HELP_BUTTON = 1077;

// The 16 holdings, four per seat in suit order (spades, hearts, diamonds, clubs): North
// 1090-1093, East 1094-1097, South 1098-1101, West 1102-1105.
constexpr unsigned IDC_NORTH_SPADES = 1090;
constexpr unsigned IDC_EAST_SPADES = 1094;
constexpr unsigned IDC_SOUTH_SPADES = 1098;
constexpr unsigned IDC_WEST_SPADES = 1102;
constexpr unsigned IDC_LAST_HOLDING = 1105;

// The control of a seat's holding in a suit (seat and suit as in deals/Seats.h); 0 for none.
constexpr unsigned HoldingControlId(int seat, int suit) {
    constexpr unsigned kFirstOfSeat[] = {IDC_WEST_SPADES, IDC_NORTH_SPADES, IDC_EAST_SPADES,
                                         IDC_SOUTH_SPADES};
    if (seat < 0 || seat > 3 || suit < 0 || suit > 3) {
        return 0;
    }
    return kFirstOfSeat[seat] + static_cast<unsigned>(suit);
}

// Compass letters around the centre frame; the dealer's shows "*".
constexpr unsigned IDC_COMPASS_NORTH = 1119;
constexpr unsigned IDC_COMPASS_EAST = 1120;
constexpr unsigned IDC_COMPASS_SOUTH = 1121;
constexpr unsigned IDC_COMPASS_WEST = 1122;
constexpr unsigned IDC_COMPASS_FRAME = 1227;

constexpr unsigned IDC_FIRST_DEAL = 1134;
constexpr unsigned IDC_PREVIOUS_DEAL = 1135;
constexpr unsigned IDC_NEXT_DEAL = 1136;
constexpr unsigned IDC_LAST_DEAL = 1137;

constexpr unsigned IDC_COMMENT = 1139;
constexpr unsigned IDC_NORTH_TEXT = 1151;
constexpr unsigned IDC_SOUTH_TEXT = 1152;
constexpr unsigned IDC_TAKE_BACK = 1177;
constexpr unsigned IDC_DEFENDERS_TEXT = 1178;
constexpr unsigned IDC_GRID_FRAME = 1184;  // invisible: the rectangle the auction grid takes
constexpr unsigned IDC_AUCTION_GRID = 1234;

constexpr unsigned IDC_SELECT_NORTH = 1188;
constexpr unsigned IDC_SELECT_SOUTH = 1189;
constexpr unsigned IDC_AUTO_BID = 1190;
constexpr unsigned IDC_HIDE = 1196;
constexpr unsigned IDC_LOG_BOOK = 1204;
constexpr unsigned IDC_COPY = 1205;
// The line that gives the dealer, the vulnerability and the contract in words.
constexpr unsigned IDC_DEAL_SUMMARY = 1206;

// The ids of the text fields the bidding table fills: the 16 holdings, the North and South
// texts, the comment and the defenders' text.
constexpr unsigned kTableFieldIds[] = {
    1090, 1091,           1092,           1093,        1094,
    1095, 1096,           1097,           1098,        1099,
    1100, 1101,           1102,           1103,        1104,
    1105, IDC_NORTH_TEXT, IDC_SOUTH_TEXT, IDC_COMMENT, IDC_DEFENDERS_TEXT,
};
