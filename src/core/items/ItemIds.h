#pragma once

// Item kinds, by the numbers documents store them under; each is also the id of the kind's
// default name in the string table.
enum ItemKind : int {
    KIND_DESKTOP = 61463,
    KIND_BIDDING_LIST = 61808,
    KIND_BIDDING_DEAL = 61809,
    KIND_AUCTION = 61824,
    KIND_CALL = 61825,
};

// Tree pictures.
constexpr unsigned IDB_DESKTOP = 151;
constexpr unsigned IDB_DEALS = 155;  // the four suit symbols in a square
constexpr unsigned IDB_LOAD_FAILED = 362;

// Context menus.
constexpr unsigned IDR_DESKTOP_MENU = 153;
constexpr unsigned IDR_SESSION_MENU = 154;
constexpr unsigned IDR_DEAL_MENU = 155;

// Document-window commands that reach items.
constexpr unsigned ID_FILE_NEW = 57600;
constexpr unsigned ID_FILE_OPEN = 57601;
constexpr unsigned ID_FILE_SAVE = 57603;
constexpr unsigned ID_FILE_PRINT_SETUP = 57606;
constexpr unsigned ID_FILE_PRINT = 57607;
constexpr unsigned ID_FILE_PRINT_DIRECT = 57608;
constexpr unsigned ID_FILE_PRINT_PREVIEW = 57609;
constexpr unsigned ID_EDIT_CLEAR_ALL = 57633;
constexpr unsigned ID_EDIT_COPY = 57634;
constexpr unsigned ID_EDIT_CUT = 57635;
constexpr unsigned ID_EDIT_PASTE = 57637;
constexpr unsigned ID_EDIT_UNDO = 57643;
constexpr unsigned ID_APP_ABOUT = 57664;
constexpr unsigned ID_HELP_FINDER = 57667;
constexpr unsigned ID_CONTEXT_HELP = 57669;
constexpr unsigned ID_HELP = 57670;
constexpr unsigned ID_EDIT_RENAME = 32772;
constexpr unsigned ID_PROPERTIES = 32773;
constexpr unsigned ID_OPEN = 32785;
constexpr unsigned ID_EDIT_DELETE = 32789;
constexpr unsigned ID_IMPORT = 32814;
constexpr unsigned ID_EXPORT = 32815;
constexpr unsigned ID_INSERT_BIDDING_SESSION = 32819;
constexpr unsigned ID_OPTIONS_BIDDING_SESSION = 32825;
constexpr unsigned ID_SELECT_NORTH = 32826;
constexpr unsigned ID_SELECT_SOUTH = 32827;
constexpr unsigned ID_VIEW_ALL = 32829;
constexpr unsigned ID_UNHIDE_ALL = 32846;
constexpr unsigned ID_OPTIONS_GENERAL = 32852;
constexpr unsigned ID_OPTIONS_DEFENSIVE_ACTIONS = 32855;
constexpr unsigned ID_FILE_OPEN_LOG_BOOK = 32870;
constexpr unsigned ID_REVIEW_SESSION = 32880;
