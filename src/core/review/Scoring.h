#pragma once

#include "core/deals/Seats.h"

struct Contract;

// Duplicate scoring: the declaring side's score of the contract with tricks taken by the
// declarer (0 to 13), negative when it fails. 0 for a contract that is no bid.
int DuplicateScore(const Contract& contract, int tricks, bool vulnerable);
// The same from North-South's view.
int NorthSouthScore(const Contract& contract, int tricks, Vulnerability vulnerability);
bool IsSeatVulnerable(Seat seat, Vulnerability vulnerability);
// The IMPs of a score difference on the standard scale, with the sign of the difference.
int ImpsOf(int difference);
