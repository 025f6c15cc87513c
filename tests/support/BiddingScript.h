#pragma once

#include <string>

class CAuction;
class CBiddingDeal;
class CBiddingList;
class CDeal;
class CItem;

// Auctions written as call texts separated by blanks: "-" is a placeholder, "#1139" a raw
// code, anything else a call text ("1C" ... "7N", "P", "D", "RD").
void AppendCalls(CAuction& auction, const std::string& calls);
std::string CallsOf(const CAuction& auction);

// A hand as four suits, spades first, separated by blanks; "-" for a void.
void SetHand(CDeal& deal, int seat, const std::string& suits);

// A session or deal appended (without a tree node) to its parent.
CBiddingList* AddSession(CItem& parent, const std::string& name, const std::string& north = "",
                         const std::string& south = "");
CBiddingDeal* AddDeal(CBiddingList& session, const std::string& name,
                      const std::string& comment = "");
