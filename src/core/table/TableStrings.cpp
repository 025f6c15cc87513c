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
    {IDS_DEALER_MARK, "*"},
};
}  // namespace

void RegisterTableStrings() {
    RegisterStringTable(kStrings);
}
