#include "gui/common/CAnalysisService.h"

#include <algorithm>

#include "core/deals/CDeal.h"
#include "core/review/CDealAnalyser.h"
#include "core/review/IDoubleDummySolver.h"

namespace {
CAnalysisService* g_installed = nullptr;
}  // namespace

struct CAnalysisService::Job {
    JobId id = 0;
    std::vector<Input> inputs;
    int total = 0;  // deals asked for, the known ones included
    std::atomic<bool> cancelled{false};
};

CAnalysisService::CAnalysisService(std::unique_ptr<IDoubleDummySolver> solver, QObject* parent)
    : QObject(parent), m_solver(std::move(solver)) {
    m_worker.setMaxThreadCount(1);
}

CAnalysisService::~CAnalysisService() {
    for (auto& [id, job] : m_jobs) {
        job->cancelled = true;
    }
    m_worker.waitForDone();
    if (g_installed == this) {
        g_installed = nullptr;
    }
}

void CAnalysisService::Install(CAnalysisService* service) {
    g_installed = service;
}

CAnalysisService* CAnalysisService::Installed() {
    return g_installed;
}

std::string CAnalysisService::KeyOf(CDeal& deal) {
    std::string key;
    for (int seat = 0; seat < kSeatCount; ++seat) {
        for (int suit = 0; suit < kSuitCount; ++suit) {
            key += deal.GetSuitText(seat, suit);
            key += '.';
        }
    }
    return key + std::to_string(deal.GetDealer()) + std::to_string(deal.GetVulnerability());
}

const DealAnalysis* CAnalysisService::Find(const std::string& key) const {
    const auto found = m_known.find(key);
    return found == m_known.end() ? nullptr : &found->second;
}

CAnalysisService::JobId CAnalysisService::Request(const std::vector<CDeal*>& deals) {
    auto job = std::make_shared<Job>();
    job->id = ++m_lastJob;
    job->total = static_cast<int>(deals.size());
    std::vector<std::pair<std::string, DealAnalysis>> answered;
    for (CDeal* deal : deals) {
        Input input{KeyOf(*deal), {}, deal->GetDealer(), deal->GetVulnerability()};
        std::string reason;
        if (Find(input.key) != nullptr) {
            continue;
        }
        if (!ReadDealCards(*deal, input.cards, reason)) {
            answered.emplace_back(input.key, CDealAnalyser::Unanalysable(reason));
        } else {
            job->inputs.push_back(std::move(input));
        }
    }
    m_jobs[job->id] = job;
    // Answered a moment later like every other request, so that callers see one order.
    const int done = job->total - static_cast<int>(job->inputs.size());
    QMetaObject::invokeMethod(
        this,
        [this, id = job->id, done, answered = std::move(answered)] {
            for (const auto& [key, analysis] : answered) {
                Store(key, analysis);
            }
            const auto job = m_jobs.find(id);
            if (job != m_jobs.end() && done > 0) {
                emit Progress(id, done, job->second->total);
            }
        },
        Qt::QueuedConnection);
    m_worker.start([this, job] { RunJob(job); });
    return job->id;
}

void CAnalysisService::Cancel(JobId job) {
    const auto found = m_jobs.find(job);
    if (found != m_jobs.end()) {
        found->second->cancelled = true;
    }
}

DealAnalysis CAnalysisService::Solved(const Input& input, const TrickTable& tricks) {
    return CDealAnalyser::WithPar(*m_solver, tricks, input.dealer, input.vulnerability);
}

void CAnalysisService::RunJob(const std::shared_ptr<Job>& job) {
    const std::size_t batchSize = IDoubleDummySolver::kMaxBatch;
    int done = job->total - static_cast<int>(job->inputs.size());
    for (std::size_t first = 0; first < job->inputs.size() && !job->cancelled; first += batchSize) {
        const std::size_t end = std::min(first + batchSize, job->inputs.size());
        std::vector<DealCards> cards;
        for (std::size_t i = first; i < end; ++i) {
            cards.push_back(job->inputs[i].cards);
        }
        std::vector<TrickTable> tables;
        std::string error;
        bool solved = false;
        if (cards.size() == 1) {
            tables.resize(1);
            solved = m_solver->SolveOne(cards.front(), tables.front(), error);
        } else {
            solved = m_solver->SolveBatch(cards, tables, error) && tables.size() == cards.size();
        }
        std::vector<std::pair<std::string, DealAnalysis>> results;
        for (std::size_t i = first; i < end; ++i) {
            const Input& input = job->inputs[i];
            results.emplace_back(input.key, solved ? Solved(input, tables[i - first])
                                                   : CDealAnalyser::SolverFailed(error));
        }
        done += static_cast<int>(end - first);
        QMetaObject::invokeMethod(
            this,
            [this, id = job->id, total = job->total, done, results = std::move(results)] {
                for (const auto& [key, analysis] : results) {
                    Store(key, analysis);
                }
                emit Progress(id, done, total);
            },
            Qt::QueuedConnection);
    }
    QMetaObject::invokeMethod(
        this,
        [this, id = job->id] {
            m_jobs.erase(id);
            emit Finished(id);
        },
        Qt::QueuedConnection);
}

void CAnalysisService::Store(const std::string& key, const DealAnalysis& analysis) {
    m_known[key] = analysis;
    emit Analysed(key);
}
