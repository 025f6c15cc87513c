#pragma once

#include <span>

#include "core/items/ItemIds.h"
#include "core/items/StringTable.h"

// Texts of the item tree and the document.
enum ItemsStringId : unsigned {
    IDS_LOAD_FAILED = 60000,
    IDS_CANNOT_OPEN_DOCUMENT,
    IDS_CANNOT_SAVE_FAILED_DOCUMENT,
    // Naming rule messages and file errors.
    IDS_NAME_EMPTY,
    IDS_NAME_CLASH_RENAME,
    IDS_NAME_CLASH_MOVE,
    IDS_FILE_NOT_FOUND,
    IDS_FILE_READ_ERROR,
    IDS_FILE_WRITE_ERROR,
    IDS_OPENING_FILE,
    IDS_SAVING_FILE,
    IDS_NOT_A_DOCUMENT,
    IDS_DOCUMENT_TOO_LARGE,
    // The kinds' default names, by the kinds' ids.
    IDS_DESKTOP = KIND_DESKTOP,
    IDS_BIDDING_LIST = KIND_BIDDING_LIST,
    IDS_BIDDING_DEAL = KIND_BIDDING_DEAL,
    IDS_AUCTION = KIND_AUCTION,
    IDS_CALL = KIND_CALL,
};

std::span<const StringResource> ItemsStringTable();
