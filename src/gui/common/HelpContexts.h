#pragma once

// What the help window has a topic for: the topics of their own, and each dialog and property
// page by its resource id. Item kinds (core/items/ItemIds.h) are help contexts too.
enum HelpContext : unsigned {
    IDH_CONTENTS = 0,
    IDD_BIDDING = 187,
    IDD_EDIT_COMMENT = 251,
    IDD_BIDDING_LIST_GENERAL = 252,
    IDD_BIDDING_LIST_DEAL = 257,
    IDD_OPTIONS_GENERAL = 383,
    // The six pages of the Automatic Defensive Actions sheet.
    IDD_DEFENCE_GENERAL = 387,
    IDD_DEFENCE_OPENING = 388,
    IDD_DEFENCE_OVERCALL = 389,
    IDD_DEFENCE_SUPPORT = 390,
    IDD_DEFENCE_DOUBLE = 391,
    IDD_DEFENCE_STRAIN = 392,
    IDD_BIDDING_LIST_FILE_TYPE = 393,
    IDH_GENERATING_DEALS = 62430,
    IDH_COMMANDS = 62431,
};
