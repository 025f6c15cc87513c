#pragma once

#include "core/bidding/BiddingListSheet.h"

// The bidding session's property sheet as the program shows it.
class CQtBiddingListSheet : public IBiddingListSheet {
public:
    bool RunBiddingListSheet(CBiddingList& session, int mode) override;
};
