#include "defence/DefenceStrings.h"

std::span<const StringResource> DefenceStringTable() { return {}; }
