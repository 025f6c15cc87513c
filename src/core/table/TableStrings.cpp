#include "table/TableStrings.h"

std::span<const StringResource> TableStringTable() { return {}; }
