// Every program that links the core links this file's object in (lorvane_core_registration),
// so each subsystem has registered its texts and the sessions' factory before main runs. Lower
// subsystems never name higher ones; only this file, above them all, knows them all.
#include "core/bidding/BiddingStrings.h"
#include "core/bidding/CBiddingList.h"
#include "core/deals/DealsStrings.h"
#include "core/defence/DefenceStrings.h"
#include "core/review/ReviewStrings.h"
#include "core/table/TableStrings.h"

namespace {
[[maybe_unused]] const bool kCoreSubsystemsRegistered = [] {
    RegisterDealsStrings();
    RegisterBiddingStrings();
    RegisterDefenceStrings();
    RegisterTableStrings();
    RegisterReviewStrings();
    CBiddingList::RegisterWithDesktop();
    return true;
}();
}  // namespace
