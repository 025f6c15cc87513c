#pragma once

// The controls of the bidding table's dialogs. Each control's objectName is its id
// (ControlName), so the dialogs and their tests find controls by id. Dialog 187's own ids
// are the core's (table/TableIds.h).

#include <QString>

#include "core/table/TableIds.h"
#include "gui/common/HelpContexts.h"  // the dialogs' own ids

constexpr unsigned IDOK = 1;
constexpr unsigned IDCANCEL = 2;

// The review beside the table.
constexpr unsigned IDC_REVIEW_PANEL = 1300;

// The auction grid's cell menu.
constexpr unsigned ID_EDIT_NOTE = 1001;

inline QString ControlName(unsigned id) {
    return QString::number(id);
}
