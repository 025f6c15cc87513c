#include "bidding/BiddingStrings.h"

std::span<const StringResource> BiddingStringTable() { return {}; }
