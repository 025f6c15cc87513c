#pragma once

#include "gui/common/HelpContexts.h"  // the sheet's pages

// Control ids of the bidding session's property sheet.
constexpr int IDC_SESSION_NAME = 1000;
constexpr int IDC_IMPORT_FILE = 1003;
constexpr int IDC_SELECT_NORTH_AT_START = 1005;
constexpr int IDC_SELECT_SOUTH_AT_START = 1007;
constexpr int IDC_BROWSE = 1065;
constexpr int IDC_NORTH_NAME = 1186;
constexpr int IDC_SOUTH_NAME = 1187;
constexpr int IDC_DO_NOT_START = 1247;
constexpr int IDC_FILE_TYPE_BRIDGE_DA = 1248;
constexpr int IDC_FILE_TYPE_PBN = 1249;
constexpr int IDC_PBN_TAG_VALUE = 1250;
constexpr int IDC_PBN_BRACE_COMMENT = 1251;
constexpr int IDC_PBN_LINE_COMMENT = 1252;
