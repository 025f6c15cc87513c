#pragma once

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/bidding/CBiddingDeal.h"
#include "core/bidding/CBiddingList.h"
#include "core/platform/CFile.h"

// The hands as "W:KQ.A..T9 N:... E:... S:..." (seats West to South, suits spades to clubs).
inline std::string HandsOf(const CDeal& deal) {
    std::string text;
    for (int seat = 0; seat < 4; ++seat) {
        text += std::string(seat > 0 ? " " : "") + "WNES"[seat] + ":";
        for (int suit = 0; suit < 4; ++suit) {
            text += (suit > 0 ? "." : "") + deal.GetSuitText(seat, suit);
        }
    }
    return text;
}

// The hands in the form of HandsOf.
inline void SetHands(CDeal& deal, const std::string& hands) {
    std::size_t pos = 0;
    for (int seat = 0; seat < 4; ++seat) {
        pos += 2;  // "W:"
        for (int suit = 0; suit < 4; ++suit) {
            const std::size_t stop = std::min(hands.find_first_of(". ", pos), hands.size());
            deal.SetSuitText(seat, suit, hands.substr(pos, stop - pos), true);
            pos = stop + 1;
        }
    }
}

// West, North, East, South.
inline std::array<std::string, 4> SeatTextsOf(const CBiddingDeal& deal) {
    return {deal.GetSeatText(0), deal.GetSeatText(1), deal.GetSeatText(2), deal.GetSeatText(3)};
}

inline CBiddingDeal& DealAt(const CDealList& list, int index) {
    return *static_cast<CBiddingDeal*>(list.GetChildAt(index));
}

// HandsOf every deal of the list.
inline std::vector<std::string> Hands(const CDealList& list) {
    std::vector<std::string> hands;
    for (int i = 0; i < list.GetChildCount(); ++i) {
        hands.push_back(HandsOf(DealAt(list, i)));
    }
    return hands;
}

// Every deal of the bytes, read in the extension's format the way an import reads them.
inline std::vector<std::unique_ptr<CBiddingDeal>> ReadDeals(const std::string& bytes,
                                                            const std::string& ext) {
    auto file = CFile::ReadMemory(bytes);
    std::vector<std::unique_ptr<CBiddingDeal>> deals;
    for (auto deal = std::make_unique<CBiddingDeal>(); deal->ReadFromFile(*file, ext);
         deal = std::make_unique<CBiddingDeal>()) {
        deals.push_back(std::move(deal));
    }
    return deals;
}

inline std::vector<std::string> HandsOfAll(
    const std::vector<std::unique_ptr<CBiddingDeal>>& deals) {
    std::vector<std::string> hands;
    for (const auto& deal : deals) {
        hands.push_back(HandsOf(*deal));
    }
    return hands;
}
