#include "core/bidding/BiddingStrings.h"

namespace {
const StringResource kStrings[] = {
    {IDS_SESSION_PROPERTIES, "Bidding Session Properties"},
    {IDS_LOG_BOOK, "Log-book"},
    {IDS_SELECT_PLAYER, "Select %1"},
    {IDS_SESSION_OPTIONS, "Bidding Session Options"},
};
}  // namespace

void RegisterBiddingStrings() {
    RegisterStringTable(kStrings);
}
