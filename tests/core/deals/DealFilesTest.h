#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "bidding/CBiddingDeal.h"
#include "bidding/CBiddingList.h"

// The hands as "W:KQ.A..T9 N:... E:... S:..." (seats West to South, suits spades to clubs).
std::string HandsOf(const CDeal& deal);
std::vector<std::string> HandsOfAll(const std::vector<std::unique_ptr<CBiddingDeal>>& deals);
// A deal with the given hands in the form of HandsOf.
void SetHands(CDeal& deal, const std::string& hands);
// West, North, East, South.
std::array<std::string, 4> SeatTextsOf(const CBiddingDeal& deal);
CBiddingDeal& DealAt(const CDealList& list, int index);

// Every deal of the bytes, read in the extension's format the way an import reads them.
std::vector<std::unique_ptr<CBiddingDeal>> ReadDeals(const std::string& bytes,
                                                     const std::string& ext);
