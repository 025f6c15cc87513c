#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <span>

#include "core/items/ItemIds.h"

// Standard window commands that no item sees.
constexpr unsigned ID_FILE_CLOSE = 57602;
constexpr unsigned ID_FILE_SAVE_AS = 57604;
constexpr unsigned ID_WINDOW_CASCADE = 57650;
constexpr unsigned ID_WINDOW_TILE_HORZ = 57651;
constexpr unsigned ID_APP_EXIT = 57665;
constexpr unsigned ID_NEXT_PANE = 57680;
constexpr unsigned ID_PREV_PANE = 57681;
constexpr unsigned ID_VIEW_TOOLBAR = 59392;
constexpr unsigned ID_VIEW_STATUS_BAR = 59393;

constexpr int kRecentFileCount = 4;

// One command of the menus, the toolbar, the accelerators and the context menus.
struct CommandInfo {
    unsigned id;
    const char* menuText;  // "&Copy"; the menu shows the first key beside it
    const char* prompt;    // "status-bar text\ntool tip"
    const char* keys;      // every key of the command, separated by ";"
};

std::span<const CommandInfo> CommandTable();
const CommandInfo* FindCommand(unsigned id);

QString CommandMenuText(const CommandInfo& info);
QString CommandStatusTip(const CommandInfo& info);
QString CommandToolTip(const CommandInfo& info);
QList<QKeySequence> CommandKeys(const CommandInfo& info);

// The toolbar of the main window, in order; 0 is a separator.
std::span<const unsigned> ToolbarCommands();
// The entries of a context menu (153 Desktop, 154 bidding session, 155 deal).
std::span<const unsigned> ContextMenuCommands(unsigned menuId);
