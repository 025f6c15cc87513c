#include "core/review/Scoring.h"

#include <cstdlib>
#include <iterator>

#include "core/bidding/BiddingIds.h"
#include "core/bidding/Contract.h"
#include "core/deals/Seats.h"

namespace {
constexpr int kBook = 6;

int TrickValue(int strain) {
    return strain == STRAIN_CLUBS || strain == STRAIN_DIAMONDS ? 20 : 30;
}

int ContractTrickScore(const Contract& contract) {
    int score = contract.level * TrickValue(contract.strain);
    if (contract.strain == STRAIN_NOTRUMP) {
        score += 10;
    }
    return score << contract.doubling;
}

int MadeScore(const Contract& contract, int overtricks, bool vulnerable) {
    const int trickScore = ContractTrickScore(contract);
    int score = trickScore;
    score += trickScore >= 100 ? (vulnerable ? 500 : 300) : 50;
    if (contract.level == 6) {
        score += vulnerable ? 750 : 500;
    } else if (contract.level == 7) {
        score += vulnerable ? 1500 : 1000;
    }
    if (contract.doubling == 0) {
        score += overtricks * TrickValue(contract.strain);
    } else {
        score += 50 * contract.doubling;  // for making a doubled or redoubled contract
        score += overtricks * (vulnerable ? 200 : 100) * contract.doubling;
    }
    return score;
}

int UndertrickPenalty(int undertricks, bool vulnerable, int doubling) {
    if (doubling == 0) {
        return undertricks * (vulnerable ? 100 : 50);
    }
    // Doubled: the first trick, the second and third, then every further one.
    int penalty = 0;
    for (int trick = 1; trick <= undertricks; ++trick) {
        if (trick == 1) {
            penalty += vulnerable ? 200 : 100;
        } else if (trick <= 3) {
            penalty += vulnerable ? 300 : 200;
        } else {
            penalty += 300;
        }
    }
    return penalty * doubling;
}

// The lower bounds of the standard scale: a difference of at least kImpSteps[i] (and below
// the next) is worth i + 1 IMPs.
constexpr int kImpSteps[] = {20,  50,  90,   130,  170,  220,  270,  320,  370,  430,  500,  600,
                             750, 900, 1100, 1300, 1500, 1750, 2000, 2250, 2500, 3000, 3500, 4000};
}  // namespace

int DuplicateScore(const Contract& contract, int tricks, bool vulnerable) {
    if (!contract.IsBid()) {
        return 0;
    }
    const int needed = contract.level + kBook;
    if (tricks >= needed) {
        return MadeScore(contract, tricks - needed, vulnerable);
    }
    return -UndertrickPenalty(needed - tricks, vulnerable, contract.doubling);
}

bool IsSeatVulnerable(Seat seat, Vulnerability vulnerability) {
    return vulnerability == VULNERABLE_ALL ||
           vulnerability == (IsNorthSouth(seat) ? VULNERABLE_NORTH_SOUTH : VULNERABLE_EAST_WEST);
}

int NorthSouthScore(const Contract& contract, int tricks, Vulnerability vulnerability) {
    if (!contract.IsBid()) {
        return 0;
    }
    const int score =
        DuplicateScore(contract, tricks, IsSeatVulnerable(contract.declarer, vulnerability));
    return IsNorthSouth(contract.declarer) ? score : -score;
}

int ImpsOf(int difference) {
    const int size = std::abs(difference);
    int imps = 0;
    while (imps < static_cast<int>(std::size(kImpSteps)) && size >= kImpSteps[imps]) {
        ++imps;
    }
    return difference < 0 ? -imps : imps;
}
