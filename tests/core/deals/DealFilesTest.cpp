#include "DealFilesTest.h"

#include "platform/CFile.h"

std::string HandsOf(const CDeal& deal) {
    std::string text;
    for (int seat = 0; seat < 4; ++seat) {
        text += seat > 0 ? " " : "";
        text += std::string(1, "WNES"[seat]) + ":";
        for (int suit = 0; suit < 4; ++suit) {
            text += (suit > 0 ? "." : "") + deal.GetSuitText(seat, suit);
        }
    }
    return text;
}

std::vector<std::string> HandsOfAll(const std::vector<std::unique_ptr<CBiddingDeal>>& deals) {
    std::vector<std::string> hands;
    for (const auto& deal : deals) {
        hands.push_back(HandsOf(*deal));
    }
    return hands;
}

void SetHands(CDeal& deal, const std::string& hands) {
    std::size_t pos = 0;
    for (int seat = 0; seat < 4; ++seat) {
        pos += 2;  // "W:"
        for (int suit = 0; suit < 4; ++suit) {
            const std::size_t end = hands.find_first_of(". ", pos);
            const std::size_t stop = end == std::string::npos ? hands.size() : end;
            deal.SetSuitText(seat, suit, hands.substr(pos, stop - pos), true);
            pos = stop + 1;
        }
    }
}

std::array<std::string, 4> SeatTextsOf(const CBiddingDeal& deal) {
    return {deal.GetSeatText(0), deal.GetSeatText(1), deal.GetSeatText(2), deal.GetSeatText(3)};
}

CBiddingDeal& DealAt(const CDealList& list, int index) {
    return *static_cast<CBiddingDeal*>(list.GetChildAt(index));
}

std::vector<std::unique_ptr<CBiddingDeal>> ReadDeals(const std::string& bytes,
                                                     const std::string& ext) {
    auto file = CFile::ReadMemory(bytes);
    std::vector<std::unique_ptr<CBiddingDeal>> deals;
    for (;;) {
        auto deal = std::make_unique<CBiddingDeal>();
        if (!deal->ReadFromFile(*file, ext)) {
            return deals;
        }
        deals.push_back(std::move(deal));
    }
}
