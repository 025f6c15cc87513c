#pragma once

#include <memory>
#include <string>

#include "bidding/CBiddingDeal.h"
#include "bidding/CBiddingList.h"

// A bidding session of Ann (North) and Bob (South) with deals A1, A2 ... Every deal has the
// same four hands, turned one seat further round on each board; East's and West's
// instructions are in their seat texts, as a PBN file's seat tags bring them.
std::unique_ptr<CBiddingList> MakeSession(int deals);

CBiddingDeal* DealAt(CBiddingList& session, int index);

// Board 1: East overcalls in hearts and West raises them; North and South find 4S.
constexpr char kEastText[] = "East bids hearts";
constexpr char kWestText[] = "West supports hearts";
