#include "core/table/TableStrings.h"

namespace {
const StringResource kStrings[] = {
    {IDS_HIDE_UNFINISHED, "The bidding is not finished.\n\nDo you want to hide the deal anyway?"},
    {IDS_LEAVE_WITHOUT_CALL,
     "You have not made your call.\n\nDo you want to exit this deal anyway?"},
    {IDS_HAS_PEEKED, " has peeked at %s's cards."},
    {IDS_BIDDING_TITLE, "Deal Number:"},
    {IDS_COMPASS_NORTH, "N"},
    {IDS_COMPASS_EAST, "E"},
    {IDS_COMPASS_SOUTH, "S"},
    {IDS_COMPASS_WEST, "W"},
    {IDS_DEAL_LOGGED, "Deal %1 logged in the log-book."},
    {IDS_DEALER_AND_VULNERABILITY, "Dealer %1, %2"},
    {IDS_NONE_VULNERABLE, "neither side vulnerable"},
    {IDS_NORTH_SOUTH_VULNERABLE, "North-South vulnerable"},
    {IDS_EAST_WEST_VULNERABLE, "East-West vulnerable"},
    {IDS_BOTH_VULNERABLE, "both sides vulnerable"},
    {IDS_CONTRACT, "Contract %1 by %2"},
    {IDS_CONTRACT_DOUBLED, "Contract %1 doubled by %2"},
    {IDS_CONTRACT_REDOUBLED, "Contract %1 redoubled by %2"},
    {IDS_PASSED_OUT, "Passed out"},
    {IDS_DEALER_MARK, "*"},
};
}  // namespace

void RegisterTableStrings() {
    RegisterStringTable(kStrings);
}
