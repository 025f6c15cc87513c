#pragma once

#include <span>

#include "items/StringTable.h"

// Texts of bidding: calls, auctions, bidding deals and sessions.

std::span<const StringResource> BiddingStringTable();
