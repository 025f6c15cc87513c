#include "gui/table/CReferenceAuctionGrid.h"

#include "core/deals/Seats.h"

CReferenceAuctionGrid::CReferenceAuctionGrid(QWidget* parent) : CAuctionGrid(parent) {
    setObjectName(QStringLiteral("referenceAuction"));
    setFocusPolicy(Qt::NoFocus);  // nothing to do here by keyboard
}

void CReferenceAuctionGrid::SetReference(CAuction* auction, int markedEntry) {
    m_marked = markedEntry;
    SetAuction(nullptr, auction);
}

void CReferenceAuctionGrid::GetCell(int column, int row, QString& text, unsigned& style) const {
    CAuctionGrid::GetCell(column, row, text, style);
    if (row * kSeatCount + column == m_marked) {
        style |= kCellBackgroundMarked;
    }
}

bool CReferenceAuctionGrid::GetCellMenu(int, int, QMenu&) {
    return false;  // the file's auction is not the pair's to annotate
}

void CReferenceAuctionGrid::OnCellDoubleClick(int, int) {}
