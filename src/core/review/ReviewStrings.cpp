#include "core/review/ReviewStrings.h"

namespace {
const StringResource kStrings[] = {
    {IDS_HAND_CARD_COUNT, "%1 holds %2 cards"},
    {IDS_CARD_HELD_TWICE, "the %1 of %2 is held twice"},
    {IDS_UNKNOWN_CARD, "%1 holds \"%2\", which is no card"},
    {IDS_SOLVER_FAILED, "the solver failed: %1"},
    {IDS_FIRST_RANK_NAME, "ace"},
    {IDS_FIRST_RANK_NAME + 1, "king"},
    {IDS_FIRST_RANK_NAME + 2, "queen"},
    {IDS_FIRST_RANK_NAME + 3, "jack"},
    {IDS_FIRST_RANK_NAME + 4, "ten"},
    {IDS_FIRST_RANK_NAME + 5, "nine"},
    {IDS_FIRST_RANK_NAME + 6, "eight"},
    {IDS_FIRST_RANK_NAME + 7, "seven"},
    {IDS_FIRST_RANK_NAME + 8, "six"},
    {IDS_FIRST_RANK_NAME + 9, "five"},
    {IDS_FIRST_RANK_NAME + 10, "four"},
    {IDS_FIRST_RANK_NAME + 11, "three"},
    {IDS_FIRST_RANK_NAME + 12, "two"},
    {IDS_FIRST_SUIT_NAME, "spades"},
    {IDS_FIRST_SUIT_NAME + 1, "hearts"},
    {IDS_FIRST_SUIT_NAME + 2, "diamonds"},
    {IDS_FIRST_SUIT_NAME + 3, "clubs"},
};
}  // namespace

void RegisterReviewStrings() {
    RegisterStringTable(kStrings);
}
