#pragma once

#include "core/items/StringTable.h"

// Texts of the automatic defence.

// The defaults of the 27 defensive-action texts, one id each in DefenceText order.
enum DefenceStringId : unsigned { IDS_DEFENCE_DEFAULTS = 60300 };

// Adds these texts to the string table.
void RegisterDefenceStrings();
