#pragma once

#include <QObject>
#include <optional>
#include <string>

class CBiddingDeal;
class CReviewPanel;

// Feeds the bidding dialog's review panel. Nothing shows until the auction is complete;
// then the review of the deal, at once when its analysis is known and after "Analysing..."
// when the solver has to work first; a take-back or another deal hides it again. Every
// change of what the table shows starts a new generation, and an analysis that arrives for
// an older one is dropped, so a late result never lands on the wrong deal.
class CTableReview : public QObject {
    Q_OBJECT

public:
    explicit CTableReview(CReviewPanel& panel, QObject* parent = nullptr);
    ~CTableReview() override;

    // After every change of the deal shown or of its auction.
    void Update(CBiddingDeal* deal);

private:
    void OnAnalysed(const std::string& key);
    void ShowAnalysed(const std::string& key);
    void DropPending();

    struct Pending {
        unsigned generation;
        std::string key;
        int job;
    };

    CReviewPanel& m_panel;
    CBiddingDeal* m_deal = nullptr;
    std::string m_state;  // the deal and its calls as last reviewed; empty: nothing shown
    unsigned m_generation = 0;
    std::optional<Pending> m_pending;
};
