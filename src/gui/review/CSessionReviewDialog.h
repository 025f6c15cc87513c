#pragma once

#include <QDialog>
#include <memory>
#include <string>

#include "gui/common/CAnalysisService.h"

class CBackgroundProgress;
class CBiddingList;
class CSessionReviewModel;
class QComboBox;
class QLabel;
class QSortFilterProxyModel;
class QTableView;

// The review of a whole bidding session: a sortable table of its deals with their contracts,
// double-dummy results, par and IMPs, and the totals below. The deals are analysed in the
// background with the status bar's progress; the window stays usable meanwhile and can be
// closed at any time. A double-click opens the deal at the bidding table for the player
// chosen in the window; Copy gives the table as tab-separated text, Print prints it.
class CSessionReviewDialog : public QDialog {
    Q_OBJECT

public:
    CSessionReviewDialog(CBiddingList& session, CAnalysisService& service,
                         QWidget* parent = nullptr);
    ~CSessionReviewDialog() override;

    CSessionReviewModel& Model() const { return *m_model; }
    QTableView& View() const { return *m_view; }
    // The table as the rows are sorted, with the totals: columns separated by tabs, or
    // padded with blanks to line up in a fixed-pitch font.
    std::string TableText(bool tabs) const;
    QString TotalsText() const;
    // Opens the deal in the row shown at this place at the bidding table.
    void OpenDeal(int shownRow);

private:
    void OnAnalysed(const std::string& key);
    void OnProgress(CAnalysisService::JobId job, int done, int total);
    void OnFinished(CAnalysisService::JobId job);
    void ShowTotals();
    // The file's columns only when some deal has a file's auction.
    void ShowReferenceColumns();
    // Every column as wide as its contents, the window wide enough for them.
    void FitColumns();
    void Copy();
    void Print(bool preview);

    CBiddingList& m_session;
    CAnalysisService& m_service;
    CSessionReviewModel* m_model;
    QSortFilterProxyModel* m_sorted;
    QTableView* m_view;
    QLabel* m_totals;
    QComboBox* m_player;
    CAnalysisService::JobId m_job = 0;
    std::unique_ptr<CBackgroundProgress> m_progress;  // while the analysis runs
};

// The "Review Session..." command: on a bidding session that has deals, it opens the
// session's review (a message instead when the program has no solver).
class CTreeItem;
bool CanReviewSession(const CTreeItem* selected);
void ReviewSession(CTreeItem* selected, QWidget* parent);
