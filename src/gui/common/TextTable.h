#pragma once

#include <QString>
#include <span>

#include "core/items/StringTable.h"

// The text with that id from every registered table. A GUI subsystem's table joins the core's
// on its first look-up, so an id means one text wherever it is looked up and no two tables
// share one.
QString TextFromTable(std::span<const StringResource> table, unsigned id);
