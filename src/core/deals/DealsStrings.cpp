#include "deals/DealsStrings.h"

std::span<const StringResource> DealsStringTable() { return {}; }
