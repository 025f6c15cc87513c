#pragma once

#include <span>

#include "items/StringTable.h"

// Texts of deals and deal files.

std::span<const StringResource> DealsStringTable();
