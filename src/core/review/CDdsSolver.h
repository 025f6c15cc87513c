#pragma once

#include "core/review/IDoubleDummySolver.h"

// The double-dummy solver of the DDS library (Debian's libdds).
class CDdsSolver : public IDoubleDummySolver {
public:
    CDdsSolver();

    bool SolveBatch(const std::vector<DealCards>& deals, std::vector<TrickTable>& tables,
                    std::string& error) override;
    bool SolveOne(const DealCards& deal, TrickTable& table, std::string& error) override;
    bool FindPar(const TrickTable& table, int dealer, int vulnerability, ParResult& par,
                 std::string& error) override;
};
