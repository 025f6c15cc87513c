#include "gui/table/CTableReview.h"

#include "core/bidding/CAuction.h"
#include "core/bidding/CBiddingDeal.h"
#include "core/platform/GeneralOptions.h"
#include "core/review/DealReview.h"
#include "gui/common/CAnalysisService.h"
#include "gui/common/ReviewDisplay.h"
#include "gui/table/CReviewPanel.h"

namespace {
// The deal and its calls: a new value means the review shown is out of date.
std::string StateOf(CBiddingDeal& deal) {
    std::string state = std::to_string(reinterpret_cast<std::uintptr_t>(&deal));
    const CAuction& auction = *deal.GetAuction();
    for (int i = 0; i < auction.GetCallCount(); ++i) {
        state += ' ' + std::to_string(auction.GetCallCode(i));
    }
    return state;
}
}  // namespace

CTableReview::CTableReview(CReviewPanel& panel, QObject* parent) : QObject(parent), m_panel(panel) {
    if (CAnalysisService* service = CAnalysisService::Installed()) {
        connect(service, &CAnalysisService::Analysed, this, &CTableReview::OnAnalysed);
    }
}

CTableReview::~CTableReview() {
    DropPending();
}

void CTableReview::Update(CBiddingDeal* deal) {
    CAnalysisService* service = CAnalysisService::Installed();
    const bool complete = deal != nullptr && service != nullptr && ReviewShown().IsOn() &&
                          deal->GetAuction()->IsComplete(true);
    const std::string state = complete ? StateOf(*deal) : std::string();
    if (state == m_state) {
        return;  // a note or the comment changed, not the auction
    }
    m_state = state;
    m_deal = deal;
    ++m_generation;
    DropPending();
    if (!complete) {
        m_panel.Show(ReviewDisplay{});
        return;
    }
    const std::string key = CAnalysisService::KeyOf(*deal);
    if (service->Find(key) != nullptr) {
        ShowAnalysed(key);
        return;
    }
    ReviewDisplay analysing;
    analysing.state = ReviewDisplay::State::Analysing;
    m_panel.Show(analysing);
    m_pending = Pending{m_generation, key, service->Request({deal})};
}

void CTableReview::OnAnalysed(const std::string& key) {
    if (!m_pending || m_pending->generation != m_generation || m_pending->key != key) {
        return;  // for a deal or an auction no longer shown
    }
    m_pending.reset();
    ShowAnalysed(key);
}

void CTableReview::ShowAnalysed(const std::string& key) {
    const DealAnalysis* analysis = CAnalysisService::Installed()->Find(key);
    if (analysis != nullptr && m_deal != nullptr) {
        m_panel.Show(
            MakeReviewDisplay(ReviewDeal(*m_deal, *analysis), m_deal->GetReferenceAuction()));
    }
}

void CTableReview::DropPending() {
    if (m_pending) {
        if (CAnalysisService* service = CAnalysisService::Installed()) {
            service->Cancel(m_pending->job);
        }
        m_pending.reset();
    }
}
