#pragma once

#include "core/bidding/BiddingDialogLauncher.h"

// Opens a bidding deal in the bidding dialog: loads it, runs the dialog modally, then stores
// the comment box into the deal shown last.
class CBiddingDialogLauncher : public IBiddingDialogLauncher {
public:
    void RunBiddingDialog(CBiddingDeal& deal) override;
};

// Makes a bidding deal's Open show the bidding dialog; the program calls it at start-up.
void InstallBiddingDialogLauncher();
