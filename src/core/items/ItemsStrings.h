#pragma once

#include <span>

#include "core/items/StringTable.h"

// Texts of the item tree and the document.
constexpr unsigned IDS_LOAD_FAILED = 144;
constexpr unsigned IDS_CANNOT_OPEN_DOCUMENT = 145;
constexpr unsigned IDS_CANNOT_SAVE_FAILED_DOCUMENT = 146;
constexpr unsigned IDS_DESKTOP = 61463;
constexpr unsigned IDS_BIDDING_LIST = 61808;
constexpr unsigned IDS_BIDDING_DEAL = 61809;
constexpr unsigned IDS_AUCTION = 61824;
constexpr unsigned IDS_CALL = 61825;
constexpr unsigned IDS_PBN_GAME = 61840;
constexpr unsigned IDS_PBN_LINE = 61841;
// Naming rule messages and file errors.
constexpr unsigned IDS_NAME_EMPTY = 61900;
constexpr unsigned IDS_NAME_CLASH_RENAME = 61901;
constexpr unsigned IDS_NAME_CLASH_MOVE = 61902;
constexpr unsigned IDS_FILE_NOT_FOUND = 61903;
constexpr unsigned IDS_FILE_READ_ERROR = 61904;
constexpr unsigned IDS_FILE_WRITE_ERROR = 61905;
constexpr unsigned IDS_OPENING_FILE = 61906;
constexpr unsigned IDS_SAVING_FILE = 61907;
constexpr unsigned IDS_NOT_A_DOCUMENT = 61920;
constexpr unsigned IDS_DOCUMENT_TOO_LARGE = 61921;

std::span<const StringResource> ItemsStringTable();
