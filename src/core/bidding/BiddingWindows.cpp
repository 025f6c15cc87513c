#include "core/bidding/BiddingDialogLauncher.h"
#include "core/bidding/BiddingListSheet.h"

namespace {
IBiddingDialogLauncher* g_launcher = nullptr;
IBiddingListSheet* g_sheet = nullptr;
}  // namespace

void SetBiddingDialogLauncher(IBiddingDialogLauncher* launcher) {
    g_launcher = launcher;
}

IBiddingDialogLauncher* GetBiddingDialogLauncher() {
    return g_launcher;
}

void SetBiddingListSheet(IBiddingListSheet* sheet) {
    g_sheet = sheet;
}

IBiddingListSheet* GetBiddingListSheet() {
    return g_sheet;
}
