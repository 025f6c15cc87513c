#pragma once

#include "core/items/StringTable.h"

// Texts of deals and deal files.
enum DealsStringId : unsigned {
    IDS_BRIDGE_DA_NO_SOUTH = 60100,
    // The file dialogs' names of the deal files and their groups.
    IDS_ALL_DEAL_FILES,
    IDS_BRIDGE_DA_FILES,
    IDS_PBN_FILES,
    IDS_DUPLIMATE_FILES,
    IDS_IMPORTING,
    IDS_EXPORTING,
    IDS_EXPORT_CANNOT_CREATE,
    IDS_EXPORT_CANNOT_WRITE,
    IDS_EXPORT_LEFT_OUT,
    IDS_EXPORT_LEFT_OUT_MORE,
    IDS_EXPORT_WITH_AUCTIONS,
    IDS_IMPORT_TOO_LARGE,
};

// Adds these texts to the string table.
void RegisterDealsStrings();
