#include "gui/table/CAuctionGrid.h"

#include <QMenu>
#include <cmath>

#include "core/bidding/CAuction.h"
#include "core/bidding/CCall.h"
#include "core/deals/Seats.h"
#include "core/table/DealSummary.h"
#include "gui/common/QtText.h"
#include "gui/table/CEditCommentDialog.h"
#include "gui/table/DialogIds.h"
#include "gui/table/IAuctionGridOwner.h"
#include "gui/table/TableTexts.h"

namespace {

constexpr int kRowHeight = 16;

}  // namespace

CAuctionGrid::CAuctionGrid(QWidget* parent) : CVirtualGrid(parent) {
    setObjectName(ControlName(IDC_AUCTION_GRID));
    SetHorizontalScrollBarShown(false);
    SetRowHeadingWidth(0);
    SetUniformRowHeight(kRowHeight);
    FitColumnsToWidth();
    setTabKeyNavigation(false);  // Tab and Shift+Tab go on to the dialog's other controls
}

void CAuctionGrid::SetAuction(IAuctionGridOwner* owner, CAuction* auction) {
    m_owner = owner;
    m_auction = auction;
    Refresh();
    scrollToBottom();
}

void CAuctionGrid::SetScale(double scale) {
    SetFontScale(scale);
    SetUniformRowHeight(static_cast<int>(std::lround(kRowHeight * scale)));
}

int CAuctionGrid::GetNumberOfColumns() const {
    return kSeatCount;
}

int CAuctionGrid::GetNumberOfRows() const {
    // Always one row more than the full rounds, so the round being bid is visible.
    return (m_auction ? m_auction->GetCallCount() : 0) / kSeatCount + 1;
}

void CAuctionGrid::SetupColumns() {
    for (int column = 0; column < kSeatCount; ++column) {
        SetColumnDefaultStyle(column, kCellAlignCentre | kCellAlignMiddle);
    }
}

void CAuctionGrid::GetColumnHeading(int column, QString& text, unsigned& style) const {
    std::string name;
    GetSeatName(name, column, 0);
    text = FromBytes(name.substr(0, 1));
    style = 0;
}

CCall* CAuctionGrid::EntryAt(int column, int row) const {
    if (m_auction == nullptr || column < 0 || column >= kSeatCount || row < 0) {
        return nullptr;
    }
    return m_auction->GetCall(row * kSeatCount + column);
}

CCall* CAuctionGrid::RealCallAt(int column, int row) const {
    CCall* call = EntryAt(column, row);
    return call != nullptr && call->GetCode() != IDC_PLACEHOLDER ? call : nullptr;
}

void CAuctionGrid::GetCell(int column, int row, QString& text, unsigned& style) const {
    text.clear();
    style = 0;
    const CCall* call = EntryAt(column, row);
    if (call == nullptr) {
        return;
    }
    text = FromBytes(CallDisplayText(call->GetCode()));
    if (!call->GetNote().empty()) {
        style |= kCellBold;
    }
    if (IsRedCall(call->GetCode())) {
        style |= kCellTextRed;
    }
    if (call->GetCode() == IDC_PLACEHOLDER) {
        style |= kCellBackgroundGrey;
    }
}

QString CAuctionGrid::GetCellToolTip(int column, int row) const {
    const CCall* call = RealCallAt(column, row);
    return call != nullptr
               ? FromBytes(call->GetNote()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
               : QString();
}

bool CAuctionGrid::GetCellMenu(int column, int row, QMenu& menu) {
    if (RealCallAt(column, row) == nullptr) {
        return false;
    }
    AppendMenuItem(menu, ID_EDIT_NOTE, TableText(IDS_EDIT_NOTE_MENU));
    return true;
}

void CAuctionGrid::OnCellDoubleClick(int column, int row) {
    EditNote(column, row);
}

void CAuctionGrid::OnMenuCommand(int column, int row, unsigned commandId) {
    if (commandId != ID_EDIT_NOTE) {
        return;
    }
    EditNote(column, row);
    if (m_owner != nullptr) {
        m_owner->SetDefaultFocus();
    }
}

void CAuctionGrid::EditNote(int column, int row) {
    const CCall* call = RealCallAt(column, row);
    if (call == nullptr || m_owner == nullptr) {
        return;
    }
    CEditCommentDialog dialog(this);
    std::string seat;
    GetSeatName(seat, column, 0);
    dialog.SetCallName(FromBytes(CallDisplayText(call->GetCode())), FromBytes(seat));
    dialog.SetCommentText(FromBytes(call->GetNote()));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    m_owner->ReplaceNote(column, row, ToBytes(dialog.GetCommentText()));
    RedrawCell(column, row);
}
