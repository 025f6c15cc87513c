#pragma once

#include "core/bidding/BiddingIds.h"  // kBidCount
#include "core/deals/Seats.h"
#include "core/items/ItemIds.h"  // the tree pictures and the toolbar's command ids

// Bitmap ids of the bidding table's pictures. The toolbar's pictures are keyed by the
// command ids of items/ItemIds.h.

// Suit symbols beside the holdings, 17 x 17.
constexpr unsigned IDB_SPADES = 176;
constexpr unsigned IDB_DIAMONDS = 177;
constexpr unsigned IDB_HEARTS = 178;
constexpr unsigned IDB_CLUBS = 179;

// Vulnerability pictures, 35 x 35: a cross of a North-South and an East-West bar.
constexpr unsigned IDB_VULNERABLE_NS_COLOUR = 180;
constexpr unsigned IDB_VULNERABLE_NONE_COLOUR = 181;
constexpr unsigned IDB_VULNERABLE_EW_COLOUR = 182;
constexpr unsigned IDB_VULNERABLE_ALL_COLOUR = 183;
constexpr unsigned IDB_VULNERABLE_ALL_PLAIN = 363;
constexpr unsigned IDB_VULNERABLE_EW_PLAIN = 364;
constexpr unsigned IDB_VULNERABLE_NONE_PLAIN = 365;
constexpr unsigned IDB_VULNERABLE_NS_PLAIN = 366;

// The suit symbols by suit, and the vulnerability pictures by vulnerability, plain and in
// colour (as deals/Seats.h numbers suits and vulnerabilities).
inline constexpr unsigned kSuitPictureIds[kSuitCount] = {IDB_SPADES, IDB_HEARTS, IDB_DIAMONDS,
                                                         IDB_CLUBS};
inline constexpr unsigned kVulnerabilityPictureIds[][2] = {
    {IDB_VULNERABLE_NONE_PLAIN, IDB_VULNERABLE_NONE_COLOUR},
    {IDB_VULNERABLE_NS_PLAIN, IDB_VULNERABLE_NS_COLOUR},
    {IDB_VULNERABLE_EW_PLAIN, IDB_VULNERABLE_EW_COLOUR},
    {IDB_VULNERABLE_ALL_PLAIN, IDB_VULNERABLE_ALL_COLOUR},
};

// The four faces of a picture button.
struct ButtonFaces {
    unsigned normal;
    unsigned pressed;
    unsigned focused;
    unsigned disabled;
};

// Navigation buttons, 18 x 18.
constexpr ButtonFaces kFirstDealFaces{190, 197, 198, 193};
constexpr ButtonFaces kPreviousDealFaces{191, 203, 204, 194};
constexpr ButtonFaces kNextDealFaces{189, 201, 202, 195};
constexpr ButtonFaces kLastDealFaces{192, 199, 200, 196};

// The bidding box, 18 x 18. Bid k = 5 * (level - 1) + strain (0 clubs .. 4 no trumps).
constexpr unsigned IDB_FIRST_BID = 206;
constexpr ButtonFaces BidFaces(int k) {
    const unsigned base = IDB_FIRST_BID + 4 * static_cast<unsigned>(k);
    return {base, base + 3, base + 2, base + 1};
}
constexpr ButtonFaces kPassFaces{350, 356, 357, 358};
constexpr ButtonFaces kDoubleFaces{351, 355, 354, 353};
constexpr ButtonFaces kRedoubleFaces{352, 360, 359, 361};
constexpr ButtonFaces kTakeBackFaces{346, 349, 348, 347};
