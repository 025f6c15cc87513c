#pragma once

#include <string>
#include <vector>

#include "core/review/IDoubleDummySolver.h"

// A solver that answers every deal with the same table and par, and records its calls.
class CFakeDoubleDummySolver : public IDoubleDummySolver {
public:
    bool SolveBatch(const std::vector<DealCards>& deals, std::vector<TrickTable>& tables,
                    std::string& error) override {
        batchSizes.push_back(static_cast<int>(deals.size()));
        if (!failure.empty()) {
            error = failure;
            return false;
        }
        tables.assign(deals.size(), table);
        return true;
    }
    bool SolveOne(const DealCards&, TrickTable& result, std::string& error) override {
        ++singleCalls;
        if (!failure.empty()) {
            error = failure;
            return false;
        }
        result = table;
        return true;
    }
    bool FindPar(const TrickTable&, int dealer, int vulnerability, ParResult& result,
                 std::string&) override {
        parDealers.push_back(dealer);
        parVulnerabilities.push_back(vulnerability);
        result = par;
        return true;
    }

    // Every seat and strain takes tricks unless set otherwise.
    TrickTable table{};
    ParResult par;
    // Not empty: the solving calls fail with this message.
    std::string failure;

    std::vector<int> batchSizes;
    int singleCalls = 0;
    std::vector<int> parDealers;
    std::vector<int> parVulnerabilities;
};
