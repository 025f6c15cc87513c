#include "core/bidding/Contract.h"

#include "core/bidding/BiddingIds.h"
#include "core/bidding/CCall.h"
#include "core/deals/Seats.h"

std::string Contract::GetText() const {
    switch (kind) {
        case ContractKind::Incomplete:
            return std::string();
        case ContractKind::PassedOut:
            return "P";
        case ContractKind::Bid:
            break;
    }
    return CCall::GetCallText(CCall::MakeCallCode(level, strain)) + std::string(doubling, 'X');
}

Contract FinalContract(const std::vector<int>& codes, Seat firstSeat) {
    Contract contract;
    int passes = 0;
    int calls = 0;
    // The seat that first named each strain, per side (0 the side of seat 0 and 2).
    Seat namedBy[2][kStrainCount];
    for (auto& side : namedBy) {
        for (Seat& seat : side) {
            seat = SEAT_NONE;
        }
    }
    Seat bidder = SEAT_NONE;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const int code = codes[i];
        if (code == IDC_PLACEHOLDER) {
            continue;
        }
        const auto seat = static_cast<Seat>((firstSeat + i) % kSeatCount);
        ++calls;
        if (code == IDC_PASS) {
            ++passes;
            continue;
        }
        passes = 0;
        if (code == IDC_DOUBLE) {
            contract.doubling = 1;
        } else if (code == IDC_REDOUBLE) {
            contract.doubling = 2;
        } else {
            contract.level = CCall::GetLevelOf(code);
            contract.strain = CCall::GetStrainOf(code);
            contract.doubling = 0;
            bidder = seat;
            Seat& first = namedBy[seat % 2][contract.strain];
            if (first == SEAT_NONE) {
                first = seat;
            }
        }
    }
    if (bidder == SEAT_NONE) {
        contract = Contract();
        contract.kind =
            calls >= 4 && passes == calls ? ContractKind::PassedOut : ContractKind::Incomplete;
        return contract;
    }
    if (passes < 3) {
        return Contract();
    }
    contract.kind = ContractKind::Bid;
    contract.declarer = namedBy[bidder % 2][contract.strain];
    return contract;
}
