#include "gui/app/CommandTable.h"

#include <QStringList>

namespace {
const CommandInfo kCommands[] = {
    {ID_FILE_NEW, "&New", "Create a new document\nNew", "Ctrl+N"},
    {ID_FILE_OPEN, "&Open...", "Open an existing document\nOpen", "Ctrl+O"},
    {ID_FILE_OPEN_LOG_BOOK, "Open &Log-book",
     "Open the log-book, where the bidding table logs deals\nOpen Log-book", ""},
    {ID_FILE_CLOSE, "&Close", "Close the active document\nClose", ""},
    {ID_FILE_SAVE, "&Save", "Save the active document\nSave", "Ctrl+S"},
    {ID_FILE_SAVE_AS, "Save &As...", "Save the active document with a new name\nSave As", ""},
    {ID_FILE_PRINT, "&Print...", "Print the selected item\nPrint", "Ctrl+P"},
    {ID_FILE_PRINT_DIRECT, "Print &Directly",
     "Print the selected item on the printer set up\nPrint", ""},
    {ID_FILE_PRINT_PREVIEW, "Print Pre&view",
     "Display the selected item as it will be printed\nPrint Preview", ""},
    {ID_FILE_PRINT_SETUP, "P&rint Setup...", "Change the printer and printing options\nPrint Setup",
     ""},
    {ID_APP_EXIT, "E&xit", "Quit the application; prompts to save documents\nExit", "Ctrl+Q"},
    {ID_EDIT_UNDO, "&Undo", "Undo the last action\nUndo", "Ctrl+Z;Alt+Backspace"},
    {ID_EDIT_CUT, "Cu&t", "Copy the selected item as text to the Clipboard\nCut",
     "Ctrl+X;Shift+Del"},
    {ID_EDIT_COPY, "&Copy", "Copy the selected item as text to the Clipboard\nCopy",
     "Ctrl+C;Ctrl+Ins"},
    {ID_EDIT_PASTE, "&Paste", "Insert Clipboard contents\nPaste", "Ctrl+V;Shift+Ins"},
    {ID_EDIT_DELETE, "&Delete", "Delete the selected item\nDelete", ""},
    {ID_EDIT_CLEAR_ALL, "Clear &All", "Delete every item below the selected item\nClear All", ""},
    {ID_EDIT_RENAME, "Rena&me", "Rename the selected item\nRename", ""},
    {ID_PROPERTIES, "&Properties", "Show the properties of the selected item\nProperties",
     "Alt+Return;Alt+Enter"},
    {ID_OPEN, "&Open", "Open the selected deal at the bidding table\nOpen", ""},
    {ID_INSERT_BIDDING_SESSION, "&Insert Bidding Session...",
     "Insert a bidding session and import its deals\nInsert Bidding Session", ""},
    {ID_IMPORT, "&Import...",
     "Import the deals of a deal file into the selected bidding session\nImport", ""},
    {ID_EXPORT, "&Export...",
     "Write the deals of the selected bidding session to a deal file\nExport", ""},
    {ID_SELECT_NORTH, "Select &North", "Bid the deals as North\nSelect North", ""},
    {ID_SELECT_SOUTH, "Select &South", "Bid the deals as South\nSelect South", ""},
    {ID_VIEW_ALL, "View &All", "Look at the deals with all four hands shown\nView All", ""},
    {ID_UNHIDE_ALL, "&Unhide All", "Show every hidden deal to both players again\nUnhide All", ""},
    {ID_REVIEW_SESSION, "&Review Session...",
     "List the deals of the selected session with their double-dummy results, par and "
     "IMPs\nReview Session",
     ""},
    {ID_OPTIONS_BIDDING_SESSION, "&Bidding Session...",
     "Change the defaults of new bidding sessions\nBidding Session Options", ""},
    {ID_OPTIONS_GENERAL, "&General...", "Change the general options\nGeneral Options", ""},
    {ID_OPTIONS_DEFENSIVE_ACTIONS, "Automatic &Defensive Actions...",
     "Change the texts that East and West understand\nAutomatic Defensive Actions", ""},
    {ID_VIEW_TOOLBAR, "&Toolbar", "Show or hide the toolbar\nToggle Toolbar", ""},
    {ID_VIEW_STATUS_BAR, "&Status Bar", "Show or hide the status bar\nToggle Status Bar", ""},
    {ID_WINDOW_CASCADE, "&Cascade", "Arrange windows so they overlap\nCascade Windows", ""},
    {ID_WINDOW_TILE_HORZ, "&Tile", "Arrange windows as non-overlapping tiles\nTile Windows", ""},
    {ID_NEXT_PANE, "Ne&xt Window", "Switch to the next document window\nNext Window", "F6"},
    {ID_PREV_PANE, "Pre&vious Window", "Switch to the previous document window\nPrevious Window",
     "Shift+F6"},
    {ID_HELP_FINDER, "&Help Topics", "List the help topics\nHelp Topics", ""},
    {ID_HELP, "&Help", "Show help on the selected item\nHelp", "F1"},
    {ID_CONTEXT_HELP, "&What's This?", "Show help on the next thing clicked\nHelp", "Shift+F1"},
    {ID_APP_ABOUT, "&About Lorvane...",
     "Display program information, version number and copyright\nAbout", ""},
};

const unsigned kToolbar[] = {
    ID_FILE_NEW,
    ID_FILE_OPEN,
    ID_FILE_SAVE,
    0,
    ID_FILE_PRINT,
    ID_FILE_PRINT_PREVIEW,
    0,
    ID_INSERT_BIDDING_SESSION,
    0,
    ID_EDIT_CUT,
    ID_EDIT_COPY,
    ID_EDIT_PASTE,
    0,
    ID_APP_ABOUT,
};

const unsigned kDesktopMenu[] = {ID_INSERT_BIDDING_SESSION};
const unsigned kSessionMenu[] = {ID_SELECT_NORTH,   ID_SELECT_SOUTH, ID_VIEW_ALL,    ID_UNHIDE_ALL,
                                 ID_REVIEW_SESSION, ID_IMPORT,       ID_EDIT_RENAME, ID_PROPERTIES};
const unsigned kDealMenu[] = {ID_OPEN};

QStringList PromptParts(const CommandInfo& info) {
    return QString::fromUtf8(info.prompt).split(QLatin1Char('\n'));
}
}  // namespace

std::span<const CommandInfo> CommandTable() {
    return kCommands;
}

const CommandInfo* FindCommand(unsigned id) {
    for (const CommandInfo& info : kCommands) {
        if (info.id == id) {
            return &info;
        }
    }
    return nullptr;
}

QString CommandMenuText(const CommandInfo& info) {
    return QString::fromUtf8(info.menuText);
}

QString CommandStatusTip(const CommandInfo& info) {
    return PromptParts(info).value(0);
}

QString CommandToolTip(const CommandInfo& info) {
    const QStringList parts = PromptParts(info);
    return parts.value(1, parts.value(0));
}

QList<QKeySequence> CommandKeys(const CommandInfo& info) {
    QList<QKeySequence> keys;
    for (const QString& key :
         QString::fromUtf8(info.keys).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        keys.append(QKeySequence(key, QKeySequence::PortableText));
    }
    return keys;
}

std::span<const unsigned> ToolbarCommands() {
    return kToolbar;
}

std::span<const unsigned> ContextMenuCommands(unsigned menuId) {
    switch (menuId) {
        case IDR_DESKTOP_MENU:
            return kDesktopMenu;
        case IDR_SESSION_MENU:
            return kSessionMenu;
        case IDR_DEAL_MENU:
            return kDealMenu;
        default:
            return {};
    }
}
