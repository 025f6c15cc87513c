#pragma once

#include <array>
#include <memory>

#include <QFrame>

#include "gui/common/ReviewDisplay.h"

class CAuction;
class CReferenceAuctionGrid;
class QGridLayout;
class QLabel;

// The review beside the bidding table once the auction is complete: the double-dummy tricks
// of each declarer in each strain (the contract reached marked), the contract reached with
// its result, the par, the IMPs against par, and the deal file's own auction with the first
// call where the pair left it. It only draws what it is given.
class CReviewPanel : public QFrame {
    Q_OBJECT

public:
    explicit CReviewPanel(QWidget* parent = nullptr);
    ~CReviewPanel() override;

    void Show(const ReviewDisplay& review);
    const ReviewDisplay& Shown() const { return m_review; }

private:
    // One line of a results table: a heading, words and a score.
    struct ResultLine {
        QLabel* heading;
        QLabel* words;
        QLabel* score;
    };

    QLabel* MakeLabel(const QString& name, const QString& text = {});
    QWidget* MakeTricksTable();
    ResultLine AddResultLine(QGridLayout& grid, const char* name, unsigned headingId);
    void ShowTricks();
    void ShowResults();
    void ShowReference();

    ReviewDisplay m_review;
    QLabel* m_status;
    QWidget* m_results;  // the tricks and the lines below them
    // [declarer seat][strain]
    std::array<std::array<QLabel*, kReviewStrainCount>, 4> m_tricks{};
    ResultLine m_reached{};
    ResultLine m_par{};
    ResultLine m_imps{};
    QWidget* m_reference;  // the file's auction and its contract
    CReferenceAuctionGrid* m_referenceGrid;
    QLabel* m_referenceNote;
    ResultLine m_referenceResult{};
    std::unique_ptr<CAuction> m_referenceAuction;
};
