#include "core/review/DoubleDummy.h"

#include "core/deals/CDeal.h"
#include "core/platform/Prompts.h"
#include "core/review/ReviewStrings.h"

namespace {
constexpr int kHandSize = 13;

std::string SeatName(int seat) {
    std::string name;
    GetSeatName(name, seat, 0);
    return name;
}
}  // namespace

bool ReadDealCards(const CDeal& deal, DealCards& cards, std::string& reason) {
    cards = DealCards();
    // Where each card was seen first: its seat, or -1.
    std::array<std::array<int, kHandSize>, kSuitCount> holder;
    for (auto& suit : holder) {
        suit.fill(-1);
    }
    for (int seat = 0; seat < kSeatCount; ++seat) {
        for (int suit = 0; suit < kSuitCount; ++suit) {
            for (const char letter : deal.GetSuitText(seat, suit)) {
                const int rankValue = CDeal::GetRankValue(letter);
                if (rankValue == 0) {
                    reason = FormatMessageText(LoadString(IDS_UNKNOWN_CARD),
                                               {SeatName(seat), std::string(1, letter)});
                    return false;
                }
                const int position = rankValue - 1;  // ace 0 to two 12
                if (holder[suit][position] >= 0) {
                    reason = FormatMessageText(
                        LoadString(IDS_CARD_HELD_TWICE),
                        {LoadString(IDS_RANK_ACE + position), LoadString(IDS_SUIT_SPADES + suit)});
                    return false;
                }
                holder[suit][position] = seat;
                cards.holdings[seat][suit] |= 1u << (14 - position);
            }
        }
    }
    for (int seat = 0; seat < kSeatCount; ++seat) {
        int count = 0;
        for (int suit = 0; suit < kSuitCount; ++suit) {
            count += static_cast<int>(deal.GetSuitText(seat, suit).size());
        }
        if (count != kHandSize) {
            reason = FormatMessageText(LoadString(IDS_HAND_CARD_COUNT),
                                       {SeatName(seat), std::to_string(count)});
            return false;
        }
    }
    reason.clear();
    return true;
}
