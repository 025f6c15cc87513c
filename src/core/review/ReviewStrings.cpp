#include "core/review/ReviewStrings.h"

namespace {
const StringResource kStrings[] = {
    {IDS_HAND_CARD_COUNT, "%1 holds %2 cards"},
    {IDS_CARD_HELD_TWICE, "the %1 of %2 is held twice"},
    {IDS_UNKNOWN_CARD, "%1 holds \"%2\", which is no card"},
    {IDS_SOLVER_FAILED, "the solver failed: %1"},
    {IDS_RANK_ACE, "ace"},
    {IDS_RANK_KING, "king"},
    {IDS_RANK_QUEEN, "queen"},
    {IDS_RANK_JACK, "jack"},
    {IDS_RANK_TEN, "ten"},
    {IDS_RANK_NINE, "nine"},
    {IDS_RANK_EIGHT, "eight"},
    {IDS_RANK_SEVEN, "seven"},
    {IDS_RANK_SIX, "six"},
    {IDS_RANK_FIVE, "five"},
    {IDS_RANK_FOUR, "four"},
    {IDS_RANK_THREE, "three"},
    {IDS_RANK_TWO, "two"},
    {IDS_SUIT_SPADES, "spades"},
    {IDS_SUIT_HEARTS, "hearts"},
    {IDS_SUIT_DIAMONDS, "diamonds"},
    {IDS_SUIT_CLUBS, "clubs"},
};
}  // namespace

void RegisterReviewStrings() {
    RegisterStringTable(kStrings);
}
