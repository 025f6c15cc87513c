#pragma once

#include <QString>
#include <span>

#include "core/items/StringTable.h"

// The text with that id in one subsystem's table of texts; empty when the table has none.
QString TextFromTable(std::span<const StringResource> table, unsigned id);
