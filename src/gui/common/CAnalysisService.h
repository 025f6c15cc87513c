#pragma once

#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/review/DoubleDummy.h"

class CDeal;
class IDoubleDummySolver;

// Double-dummy analysis for the windows. The solver works on one thread of its own, so the
// windows stay responsive; results arrive on the window thread (Analysed) and are kept for
// as long as the program runs, keyed by the deal's cards, dealer and vulnerability, so that
// coming back to a deal shows them at once. A deal that cannot be analysed is answered at
// once with its reason.
class CAnalysisService : public QObject {
    Q_OBJECT

public:
    explicit CAnalysisService(std::unique_ptr<IDoubleDummySolver> solver,
                              QObject* parent = nullptr);
    // Cancels what is queued and waits for the solver's current batch.
    ~CAnalysisService() override;

    // The service the windows use; null when none is installed (no review then).
    static void Install(CAnalysisService* service);
    static CAnalysisService* Installed();

    // What identifies a deal's analysis.
    static std::string KeyOf(CDeal& deal);
    // The analysis of the deal when it is known; null while it is not.
    const DealAnalysis* Find(const std::string& key) const;
    const DealAnalysis* Find(CDeal& deal) const { return Find(KeyOf(deal)); }

    // Queues the deals whose analysis is not known, in batches of the solver's size;
    // Analysed follows for each. The returned job can be cancelled; its progress comes
    // through Progress, and Finished ends it, cancelled or not.
    using JobId = int;
    JobId Request(const std::vector<CDeal*>& deals);
    // Drops the job's batches that have not started.
    void Cancel(JobId job);

signals:
    void Analysed(const std::string& key);
    // done of total deals of a job are known.
    void Progress(CAnalysisService::JobId job, int done, int total);
    void Finished(CAnalysisService::JobId job);

private:
    // What the solver needs of one deal.
    struct Input {
        std::string key;
        DealCards cards;
        int dealer = 0;
        int vulnerability = 0;
    };
    struct Job;

    // On the solver's thread.
    void RunJob(const std::shared_ptr<Job>& job);
    DealAnalysis Solved(const Input& input, const TrickTable& tricks);
    // On the window thread: keeps a result and tells the windows.
    void Store(const std::string& key, const DealAnalysis& analysis);

    std::unique_ptr<IDoubleDummySolver> m_solver;
    std::map<std::string, DealAnalysis> m_known;
    std::map<JobId, std::shared_ptr<Job>> m_jobs;
    JobId m_lastJob = 0;
    QThreadPool m_worker;  // one thread: the solver is not to be called twice at once
};
