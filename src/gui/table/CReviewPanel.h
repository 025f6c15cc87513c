#pragma once

#include <array>
#include <memory>

#include <QFrame>

#include "gui/common/ReviewDisplay.h"

class CAuction;
class CReferenceAuctionGrid;
class QLabel;

// The review beside the bidding table once the auction is complete: the double-dummy tricks
// of each declarer in each strain (the contract reached marked), the par, the contract
// reached with its result and IMPs against par, and the deal file's own auction with the
// first call where the pair left it. It only draws what it is given.
class CReviewPanel : public QFrame {
    Q_OBJECT

public:
    explicit CReviewPanel(QWidget* parent = nullptr);
    ~CReviewPanel() override;

    void Show(const ReviewDisplay& review);
    const ReviewDisplay& Shown() const { return m_review; }

private:
    QLabel* AddLabel(const char* name);
    QWidget* MakeTricksTable();
    void ShowTricks();
    void ShowResults();
    void ShowReference();

    ReviewDisplay m_review;
    QLabel* m_status;
    QWidget* m_tricksTable;
    // [declarer seat][strain]
    std::array<std::array<QLabel*, kReviewStrainCount>, 4> m_tricks{};
    QLabel* m_par;
    QLabel* m_reached;
    QLabel* m_imps;
    QLabel* m_referenceTitle;
    CReferenceAuctionGrid* m_referenceGrid;
    QLabel* m_referenceNote;
    QLabel* m_referenceResult;
    std::unique_ptr<CAuction> m_referenceAuction;
};
