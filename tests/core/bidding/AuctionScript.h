#pragma once

#include <string>

class CAuction;

// Auctions written as call texts separated by blanks: "-" is a placeholder, "#1139" a raw
// code, anything else a call text ("1C" ... "7N", "P", "D", "RD").
void AppendCalls(CAuction& auction, const std::string& calls);
std::string CallsOf(const CAuction& auction);
