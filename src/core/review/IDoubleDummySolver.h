#pragma once

#include <string>
#include <vector>

#include "core/review/DoubleDummy.h"

// A double-dummy solver. The library one is CDdsSolver; tests use a fake.
class IDoubleDummySolver {
public:
    // The most deals that one SolveBatch takes.
    static constexpr int kMaxBatch = 32;

    virtual ~IDoubleDummySolver() = default;
    // The tables of up to kMaxBatch deals, in order, with all cores. False with a message when
    // the solver fails.
    virtual bool SolveBatch(const std::vector<DealCards>& deals, std::vector<TrickTable>& tables,
                            std::string& error) = 0;
    // The table of one deal.
    virtual bool SolveOne(const DealCards& deal, TrickTable& table, std::string& error) = 0;
    // The par when the dealer's side has the first chance to bid; vulnerability is a deal's
    // code (VULNERABLE_NONE ...).
    virtual bool FindPar(const TrickTable& table, int dealer, int vulnerability, ParResult& par,
                         std::string& error) = 0;
};
