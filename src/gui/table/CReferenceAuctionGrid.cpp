#include "gui/table/CReferenceAuctionGrid.h"

#include <QHelpEvent>
#include <QToolTip>

#include "core/bidding/CAuction.h"
#include "core/bidding/CCall.h"
#include "core/deals/Seats.h"
#include "gui/app/QtText.h"

CReferenceAuctionGrid::CReferenceAuctionGrid(QWidget* parent) : CAuctionGrid(parent) {
    setObjectName(QStringLiteral("referenceAuction"));
    setFocusPolicy(Qt::NoFocus);  // nothing to do here by keyboard
}

void CReferenceAuctionGrid::SetReference(CAuction* auction, int markedEntry) {
    m_reference = auction;
    m_marked = markedEntry;
    SetAuction(nullptr, auction);
}

QString CReferenceAuctionGrid::NoteAt(int column, int row) const {
    if (m_reference == nullptr || column < 0 || column >= kSeatCount || row < 0) {
        return {};
    }
    const CCall* call = m_reference->GetCall(row * kSeatCount + column);
    return call == nullptr ? QString() : FromBytes(call->GetNote());
}

void CReferenceAuctionGrid::GetCell(int column, int row, QString& text, unsigned& style) const {
    CAuctionGrid::GetCell(column, row, text, style);
    if (row * kSeatCount + column == m_marked) {
        style |= kCellTextRed;
    }
}

bool CReferenceAuctionGrid::GetCellMenu(int, int, QMenu&) {
    return false;  // the file's auction is not the pair's to annotate
}

void CReferenceAuctionGrid::OnCellDoubleClick(int, int) {}

bool CReferenceAuctionGrid::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex cell = indexAt(help->pos());
        const QString note = cell.isValid() ? NoteAt(cell.column(), cell.row()) : QString();
        if (note.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(help->globalPos(), note, viewport());
        }
        return true;
    }
    return CAuctionGrid::viewportEvent(event);
}
