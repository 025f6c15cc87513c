#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "core/review/DoubleDummy.h"

class CDeal;
class CStatusProgress;
class IDoubleDummySolver;

// Double-dummy tables and par of deals, one at a time or many in batches.
class CDealAnalyser {
public:
    explicit CDealAnalyser(IDoubleDummySolver& solver) : m_solver(solver) {}

    // One deal, with the solver's single-table call.
    DealAnalysis Analyse(CDeal& deal);
    // Every deal, the analysable ones in batches of the solver's size. Progress, when given,
    // goes from 0 to the number of deals; cancel, when given and set, stops between batches.
    // False when cancelled: the results then hold only the deals done so far.
    bool AnalyseAll(const std::vector<CDeal*>& deals, std::vector<DealAnalysis>& results,
                    CStatusProgress* progress = nullptr, const std::atomic<bool>* cancel = nullptr);

    // An analysis that holds only the reason why there is none.
    static DealAnalysis Unanalysable(const std::string& reason);
    // An analysis whose solver failed, with the solver's error in its reason.
    static DealAnalysis SolverFailed(const std::string& error);
    // The analysis of solved tricks: the par added, or the solver's failure to find it.
    static DealAnalysis WithPar(IDoubleDummySolver& solver, const TrickTable& tricks, int dealer,
                                int vulnerability);

private:
    IDoubleDummySolver& m_solver;
};
