#include "BiddingFakes.h"

#include "bidding/CBiddingDeal.h"

void CFakeLauncher::RunBiddingDialog(CBiddingDeal& deal) {
    runs.push_back({&deal, deal.GetStartPlayer()});
}

bool CFakeSheet::RunBiddingListSheet(CBiddingList& session, int mode) {
    modes.push_back(mode);
    if (!store) {
        return false;
    }
    store(session);
    return true;
}
