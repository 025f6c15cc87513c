#pragma once

#include "core/items/StringTable.h"

// Texts of the automatic defence.

// The defaults of the 27 defensive-action texts, one id each in DefenceText order.
constexpr unsigned IDS_DEFENCE_DEFAULTS = 62200;

// Adds these texts to the string table.
void RegisterDefenceStrings();
