#pragma once

#include "core/items/StringTable.h"

// Texts of deals and deal files.
constexpr unsigned IDS_BRIDGE_DA_NO_SOUTH = 61798;
// The file dialogs' names of the deal files and their groups.
constexpr unsigned IDS_ALL_DEAL_FILES = 61810;
constexpr unsigned IDS_BRIDGE_DA_FILES = 61811;
constexpr unsigned IDS_PBN_FILES = 61820;
constexpr unsigned IDS_DUPLIMATE_FILES = 61821;
constexpr unsigned IDS_IMPORTING = 62000;
constexpr unsigned IDS_EXPORTING = 62001;
constexpr unsigned IDS_EXPORT_CANNOT_CREATE = 62002;
constexpr unsigned IDS_EXPORT_CANNOT_WRITE = 62003;
constexpr unsigned IDS_EXPORT_LEFT_OUT = 62004;
constexpr unsigned IDS_EXPORT_LEFT_OUT_MORE = 62005;
constexpr unsigned IDS_EXPORT_WITH_AUCTIONS = 62006;
constexpr unsigned IDS_IMPORT_TOO_LARGE = 62020;

// Adds these texts to the string table.
void RegisterDealsStrings();
