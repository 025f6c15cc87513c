#pragma once

#include <span>

#include "items/StringTable.h"

// Texts of the bidding table.

std::span<const StringResource> TableStringTable();
