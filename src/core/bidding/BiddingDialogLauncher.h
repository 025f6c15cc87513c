#pragma once

class CBiddingDeal;

// Opens the bidding dialog on a deal. The core has no windows: the program installs an
// implementation that creates the dialog, loads the deal into it, runs it modally and then
// stores the dialog's comment back into the deal (SetComment with replace). The dialog
// marks the document modified itself whenever it changes the deal.
class IBiddingDialogLauncher {
public:
    virtual ~IBiddingDialogLauncher() = default;
    virtual void RunBiddingDialog(CBiddingDeal& deal) = 0;
};

// With none installed a bidding deal does not open.
void SetBiddingDialogLauncher(IBiddingDialogLauncher* launcher);
IBiddingDialogLauncher* GetBiddingDialogLauncher();
