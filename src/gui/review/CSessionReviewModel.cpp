#include "gui/review/CSessionReviewModel.h"

#include <QBrush>
#include <QColor>
#include <algorithm>

#include "core/bidding/CAuction.h"
#include "core/bidding/CBiddingDeal.h"
#include "core/bidding/CBiddingList.h"
#include "core/bidding/CCall.h"
#include "core/deals/Seats.h"
#include "core/review/DealReview.h"
#include "core/table/DealSummary.h"
#include "gui/common/CAnalysisService.h"
#include "gui/common/QtText.h"
#include "gui/common/ReviewFormat.h"
#include "gui/review/SessionReviewTexts.h"

namespace {

QString Letter(int seat) {
    return QString(QLatin1Char(SeatLetter(seat)));
}

const char* const kVulnerabilities[] = {"None", "N-S", "E-W", "All"};

// "4♠X N": the contract with its declarer's letter.
QString ShortContract(const ContractShown& contract) {
    if (contract.level == 0) {
        return QStringLiteral("Pass");
    }
    return QString::fromStdString(
               CallDisplayText(CCall::MakeCallCode(contract.level, contract.strain))) +
           QString(contract.doubled == 2   ? "XX"
                   : contract.doubled == 1 ? "X"
                                           : "") +
           QLatin1Char(' ') + Letter(contract.declarer);
}

int ContractRank(const ContractShown& contract) {
    return contract.level == 0 ? 0 : (contract.level * 5 + contract.strain) * 3 + contract.doubled;
}

bool IsNorthSouth(int seat) {
    return seat == SEAT_NORTH || seat == SEAT_SOUTH;
}

bool SameContract(const ContractShown& a, const ContractShown& b) {
    return a.level == b.level && a.strain == b.strain && a.doubled == b.doubled &&
           (a.level == 0 || IsNorthSouth(a.declarer) == IsNorthSouth(b.declarer));
}

}  // namespace

CSessionReviewModel::CSessionReviewModel(CBiddingList& session, CAnalysisService& service,
                                         QObject* parent)
    : QAbstractTableModel(parent), m_service(service) {
    for (int i = 0; i < session.GetChildCount(); ++i) {
        if (auto* deal = dynamic_cast<CBiddingDeal*>(session.GetChildAt(i))) {
            m_deals.push_back(deal);
            m_keys.push_back(CAnalysisService::KeyOf(*deal));
            m_rows.push_back(MakeRow(*deal));
        }
    }
}

SessionReviewRow CSessionReviewModel::MakeRow(CBiddingDeal& deal) const {
    SessionReviewRow row;
    row.board = deal.GetName();
    row.dealer = deal.GetDealer();
    row.vulnerability = deal.GetVulnerability();
    CAuction& auction = *deal.GetAuction();
    for (int i = 0; i < auction.GetCallCount(); ++i) {
        if (auction.GetCallCode(i) != IDC_PLACEHOLDER) {
            row.calls.push_back(auction.GetCallCode(i));
        }
    }
    row.complete = auction.IsComplete(true);
    const DealAnalysis* analysis = m_service.Find(deal);
    const DealReview review = ReviewDeal(deal, analysis ? *analysis : DealAnalysis{});
    row.reached = MakeResultShown(review.auction);
    if (review.reference) {
        row.reference = MakeResultShown(*review.reference);
        row.referenceImps = review.reference->imps;
        row.reachedReference =
            row.reference->complete && SameContract(row.reached.contract, row.reference->contract);
    }
    if (analysis == nullptr) {
        return row;
    }
    if (!analysis->analysable) {
        row.analysis = SessionReviewRow::Analysis::Failed;
        row.reason = analysis->reason;
        return row;
    }
    row.analysis = SessionReviewRow::Analysis::Known;
    row.par = analysis->par.score;
    row.imps = review.auction.imps;
    return row;
}

SessionReviewTotals CSessionReviewModel::Totals() const {
    SessionReviewTotals totals;
    for (const SessionReviewRow& row : m_rows) {
        if (!row.complete || row.analysis != SessionReviewRow::Analysis::Known) {
            continue;
        }
        ++totals.completeDeals;
        totals.imps += row.imps;
        if (row.reference && row.reference->complete) {
            ++totals.withReference;
            totals.reachedReference += row.reachedReference ? 1 : 0;
        }
    }
    return totals;
}

bool CSessionReviewModel::HasReference() const {
    return std::any_of(m_rows.begin(), m_rows.end(),
                       [](const SessionReviewRow& row) { return row.reference.has_value(); });
}

void CSessionReviewModel::RefreshDeal(int row) {
    if (row < 0 || row >= rowCount()) {
        return;
    }
    const auto at = static_cast<std::size_t>(row);
    m_keys[at] = CAnalysisService::KeyOf(*m_deals[at]);
    m_rows[at] = MakeRow(*m_deals[at]);
    emit dataChanged(index(row, 0), index(row, kColumnCount - 1));
}

void CSessionReviewModel::RefreshAnalysed(const std::string& key) {
    for (std::size_t i = 0; i < m_keys.size(); ++i) {
        if (m_keys[i] == key) {
            RefreshDeal(static_cast<int>(i));
        }
    }
}

int CSessionReviewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CSessionReviewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QString CSessionReviewModel::CellText(int rowIndex, int column) const {
    const SessionReviewRow& row = Row(rowIndex);
    using Analysis = SessionReviewRow::Analysis;
    const bool known = row.complete && row.analysis == Analysis::Known;
    const bool passed = row.reached.contract.level == 0;
    switch (column) {
        case ColumnBoard:
            return FromBytes(row.board);
        case ColumnDealer:
            return Letter(row.dealer) + QStringLiteral(" / ") +
                   QLatin1String(kVulnerabilities[row.vulnerability & 3]);
        case ColumnAuction: {
            QStringList calls;
            for (int code : row.calls) {
                calls << QString::fromStdString(CallDisplayText(code));
            }
            return calls.join(QLatin1Char(' '));
        }
        case ColumnContract:
            return row.complete ? ShortContract(row.reached.contract)
                                : SessionReviewText(IDS_SESSION_REVIEW_INCOMPLETE);
        case ColumnTricks:
            if (row.complete && row.analysis == Analysis::Failed) {
                return FromBytes(row.reason);
            }
            if (row.complete && row.analysis == Analysis::Waiting) {
                return SessionReviewText(IDS_SESSION_REVIEW_ANALYSING);
            }
            return known && !passed ? QString::number(row.reached.tricks) : QString();
        case ColumnScore:
            return known ? SignedNumber(row.reached.score) : QString();
        case ColumnPar:
            return row.analysis == Analysis::Known ? SignedNumber(row.par) : QString();
        case ColumnImps:
            return known ? SignedNumber(row.imps) : QString();
        case ColumnReference:
            if (!row.reference) {
                return {};
            }
            return row.reference->complete ? ShortContract(row.reference->contract)
                                           : SessionReviewText(IDS_SESSION_REVIEW_INCOMPLETE);
        case ColumnReferenceImps:
            return row.reference && row.reference->complete && row.analysis == Analysis::Known
                       ? SignedNumber(row.referenceImps)
                       : QString();
        default:
            return {};
    }
}

QVariant CSessionReviewModel::SortKey(const SessionReviewRow& row, int column) const {
    const bool known = row.complete && row.analysis == SessionReviewRow::Analysis::Known;
    constexpr int kNone = -100000;  // rows without a value sort first
    switch (column) {
        case ColumnBoard:
            return static_cast<int>(&row - m_rows.data());  // the session's order
        case ColumnDealer:
            return row.dealer * 4 + row.vulnerability;
        case ColumnContract:
            return row.complete ? ContractRank(row.reached.contract) : kNone;
        case ColumnTricks:
            return known ? row.reached.tricks : kNone;
        case ColumnScore:
            return known ? row.reached.score : kNone;
        case ColumnPar:
            return row.analysis == SessionReviewRow::Analysis::Known ? row.par : kNone;
        case ColumnImps:
            return known ? row.imps : kNone;
        case ColumnReference:
            return row.reference && row.reference->complete ? ContractRank(row.reference->contract)
                                                            : kNone;
        case ColumnReferenceImps:
            return row.reference && row.reference->complete ? row.referenceImps : kNone;
        default:
            return CellText(static_cast<int>(&row - m_rows.data()), column);
    }
}

QVariant CSessionReviewModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const SessionReviewRow& row = Row(index.row());
    switch (role) {
        case Qt::DisplayRole:
            return CellText(index.row(), index.column());
        case SortRole:
            return SortKey(row, index.column());
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(index.column() >= ColumnTricks &&
                                               index.column() != ColumnReference
                                           ? Qt::AlignRight | Qt::AlignVCenter
                                           : Qt::AlignLeft | Qt::AlignVCenter);
        case Qt::ForegroundRole: {
            if (!row.complete && index.column() == ColumnContract) {
                return QBrush(QColor(128, 128, 128));
            }
            const bool imps = index.column() == ColumnImps || index.column() == ColumnReferenceImps;
            const int value = index.column() == ColumnImps ? row.imps : row.referenceImps;
            if (imps && value != 0 && !CellText(index.row(), index.column()).isEmpty()) {
                return QBrush(value > 0 ? QColor(0, 128, 0) : QColor(220, 0, 0));
            }
            return {};
        }
        default:
            return {};
    }
}

QVariant CSessionReviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= kColumnCount) {
        return {};
    }
    return SessionReviewText(IDS_COLUMN_BOARD + static_cast<unsigned>(section));
}
