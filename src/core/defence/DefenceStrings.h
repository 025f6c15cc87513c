#pragma once

#include <span>

#include "items/StringTable.h"

// Texts of the automatic defence.

std::span<const StringResource> DefenceStringTable();
