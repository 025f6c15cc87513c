#include "core/review/CDealAnalyser.h"

#include "core/deals/CDeal.h"
#include "core/platform/CStatusProgress.h"
#include "core/platform/Prompts.h"
#include "core/review/IDoubleDummySolver.h"
#include "core/review/ReviewStrings.h"

DealAnalysis CDealAnalyser::Unanalysable(const std::string& reason) {
    DealAnalysis analysis;
    analysis.reason = reason;
    return analysis;
}

DealAnalysis CDealAnalyser::SolverFailed(const std::string& error) {
    return Unanalysable(FormatMessageText(LoadString(IDS_SOLVER_FAILED), {error}));
}

DealAnalysis CDealAnalyser::WithPar(IDoubleDummySolver& solver, const TrickTable& tricks,
                                    int dealer, int vulnerability) {
    DealAnalysis analysis;
    analysis.tricks = tricks;
    std::string error;
    if (!solver.FindPar(tricks, dealer, vulnerability, analysis.par, error)) {
        return SolverFailed(error);
    }
    analysis.analysable = true;
    return analysis;
}

DealAnalysis CDealAnalyser::Analyse(CDeal& deal) {
    DealCards cards;
    std::string reason;
    if (!ReadDealCards(deal, cards, reason)) {
        return Unanalysable(reason);
    }
    TrickTable tricks{};
    if (!m_solver.SolveOne(cards, tricks, reason)) {
        return SolverFailed(reason);
    }
    return WithPar(m_solver, tricks, deal.GetDealer(), deal.GetVulnerability());
}

bool CDealAnalyser::AnalyseAll(const std::vector<CDeal*>& deals, std::vector<DealAnalysis>& results,
                               CStatusProgress* progress, const std::atomic<bool>* cancel) {
    results.clear();
    results.reserve(deals.size());
    // Deals that cannot be analysed are answered at once; the others wait for a full batch.
    std::vector<std::size_t> waiting;
    std::vector<DealCards> batch;
    auto solveBatch = [&] {
        std::vector<TrickTable> tables;
        std::string error;
        const bool solved =
            m_solver.SolveBatch(batch, tables, error) && tables.size() == batch.size();
        for (std::size_t i = 0; i < waiting.size(); ++i) {
            DealAnalysis& analysis = results[waiting[i]];
            if (!solved) {
                analysis = SolverFailed(error);
                continue;
            }
            CDeal& deal = *deals[waiting[i]];
            analysis = WithPar(m_solver, tables[i], deal.GetDealer(), deal.GetVulnerability());
        }
        waiting.clear();
        batch.clear();
    };

    for (std::size_t index = 0; index < deals.size(); ++index) {
        DealCards cards;
        std::string reason;
        results.push_back(Unanalysable(std::string()));
        if (!ReadDealCards(*deals[index], cards, reason)) {
            results.back().reason = reason;
        } else {
            waiting.push_back(index);
            batch.push_back(cards);
        }
        const bool last = index + 1 == deals.size();
        if (batch.size() == static_cast<std::size_t>(IDoubleDummySolver::kMaxBatch) ||
            (last && !batch.empty())) {
            solveBatch();
            if (progress != nullptr) {
                progress->SetPos(static_cast<long long>(index + 1));
            }
            if (!last && cancel != nullptr && cancel->load()) {
                return false;
            }
        }
    }
    if (progress != nullptr) {
        progress->SetPos(static_cast<long long>(deals.size()));
    }
    return true;
}
