#include "core/bidding/BiddingStrings.h"

namespace {
const StringResource kStrings[] = {
    {IDS_SESSION_PROPERTIES, "Bidding Session Properties"},
    {IDS_LOG_BOOK, "Log-book"},
    {IDS_SELECT_PLAYER, "Select %1"},
    {IDS_SESSION_OPTIONS, "Bidding Session Options"},
    {IDS_NO_DEALS_FOUND, "No deals were found in %1."},
    {IDS_DEALS_IMPORTED, "%1 deals imported from %2."},
    {IDS_ONE_DEAL_IMPORTED, "1 deal imported from %2."},
    {IDS_ONE_DEAL_WITHOUT_CARDS,
     "One of the deals imported from %2 holds no cards at all: there is nothing to bid on it."},
    {IDS_DEALS_WITHOUT_CARDS,
     "%1 of the deals imported from %2 hold no cards at all: there is nothing to bid on them."},
    {IDS_IMPORT_FILE_MISSING,
     "The file %1 does not exist.\n\nCheck the name, or choose the file "
     "with Browse."},
    {IDS_LOG_BOOK_UNREADABLE,
     "Cannot read the log-book %1.\n\nThe deal was not logged; the log-book was left as it was."},
    {IDS_LOG_BOOK_DAMAGED,
     "Some lines of the log-book %1 were damaged and could not be read.\n\nThe log-book as it "
     "was is kept as %2."},
    {IDS_LOG_BOOK_DAMAGED_NAME, "%1 (damaged %2)"},
    {IDS_LOG_BOOK_NOT_COPIED,
     "Cannot keep a copy of the damaged log-book %1.\n\nThe deal was not logged; the log-book "
     "was left as it was."},
};
}  // namespace

void RegisterBiddingStrings() {
    RegisterStringTable(kStrings);
}
