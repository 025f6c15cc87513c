#pragma once

#include <QAbstractTableModel>
#include <optional>
#include <string>
#include <vector>

#include "gui/common/ReviewDisplay.h"

class CAnalysisService;
class CBiddingDeal;
class CBiddingList;

// One deal of a session as its review lists it.
struct SessionReviewRow {
    std::string board;
    int dealer = 0;
    int vulnerability = 0;
    std::vector<int> calls;  // the pair's calls, placeholders left out
    bool complete = false;
    enum class Analysis { Waiting, Failed, Known } analysis = Analysis::Waiting;
    std::string reason;  // Failed
    ResultShown reached;
    int par = 0;
    int imps = 0;
    std::optional<ResultShown> reference;
    int referenceImps = 0;
    bool reachedReference = false;  // the same contract by the same side
};

// What the rows add up to.
struct SessionReviewTotals {
    int completeDeals = 0;  // complete and analysed
    int imps = 0;
    int withReference = 0;  // complete deals whose file has an auction for them
    int reachedReference = 0;
};

// The deals of a bidding session with their reviews, a row each: board, dealer and
// vulnerability, the auction in short, the contract reached, its tricks and score, par,
// IMPs against par, and the file's contract with its IMPs. Rows fill in as the analysis
// arrives. Every column sorts by its value (SortRole).
class CSessionReviewModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        ColumnBoard,
        ColumnDealer,
        ColumnAuction,
        ColumnContract,
        ColumnTricks,
        ColumnScore,
        ColumnPar,
        ColumnImps,
        ColumnReference,
        ColumnReferenceImps,
        kColumnCount
    };
    static constexpr int SortRole = Qt::UserRole;

    CSessionReviewModel(CBiddingList& session, CAnalysisService& service,
                        QObject* parent = nullptr);

    const std::vector<CBiddingDeal*>& Deals() const { return m_deals; }
    const SessionReviewRow& Row(int row) const { return m_rows[static_cast<std::size_t>(row)]; }
    SessionReviewTotals Totals() const;
    // Whether some deal carries the file's auction.
    bool HasReference() const;
    // Reads one deal again (after it was bid), or every deal whose analysis is key.
    void RefreshDeal(int row);
    void RefreshAnalysed(const std::string& key);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // A cell as plain text, as Copy and Print give it.
    QString CellText(int row, int column) const;

private:
    SessionReviewRow MakeRow(CBiddingDeal& deal) const;
    QVariant SortKey(const SessionReviewRow& row, int column) const;

    CAnalysisService& m_service;
    std::vector<CBiddingDeal*> m_deals;
    std::vector<std::string> m_keys;  // each deal's analysis key
    std::vector<SessionReviewRow> m_rows;
};
