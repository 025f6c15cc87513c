#pragma once

#include <string>

#include "core/deals/Seats.h"

class CAuction;

// The deal in words for the bidding table: "Dealer South, East-West vulnerable", followed,
// once the auction is complete, by its contract ("Contract 4♠ doubled by North", or
// "Passed out"). UTF-8.
std::string DealSummary(Seat dealer, Vulnerability vulnerability, CAuction& auction);
// The contract of a complete auction in words; empty while it is not complete.
std::string ContractText(CAuction& auction);
// A call as the table shows it: the level and the suit symbol or "NT"; "P", "D", "RD".
std::string CallDisplayText(int code);
// A bid in diamonds or hearts, whose symbol is red.
bool IsRedCall(int code);
