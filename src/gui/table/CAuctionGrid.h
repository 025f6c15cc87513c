#pragma once

#include "gui/grid/CVirtualGrid.h"

class CAuction;
class CCall;
class IAuctionGridOwner;

// The auction as a grid: columns West, North, East, South, one row per round and one more
// for the round being bid. Calls with a note are bold; placeholders before the dealer are
// grey. A real call's note is edited from its cell's menu or by a double-click.
class CAuctionGrid : public CVirtualGrid {
    Q_OBJECT

public:
    explicit CAuctionGrid(QWidget* parent = nullptr);

    // Shows the auction (neither is owned) and scrolls to the round being bid.
    void SetAuction(IAuctionGridOwner* owner, CAuction* auction);
    // Opens the Edit Comment dialog on the call in the cell, if it holds a real call.
    void EditNote(int column, int row);
    // Text and rows that many times their normal size, in an enlarged dialog.
    void SetScale(double scale);

protected:
    int GetNumberOfColumns() const override;
    int GetNumberOfRows() const override;
    void SetupColumns() override;
    void GetColumnHeading(int column, QString& text, unsigned& style) const override;
    void GetCell(int column, int row, QString& text, unsigned& style) const override;
    // A call's note.
    QString GetCellToolTip(int column, int row) const override;
    bool GetCellMenu(int column, int row, QMenu& menu) override;
    void OnCellDoubleClick(int column, int row) override;
    void OnMenuCommand(int column, int row, unsigned commandId) override;

private:
    // The entry in the cell; null for a cell past the end.
    CCall* EntryAt(int column, int row) const;
    // The entry when it is a real call, not a placeholder.
    CCall* RealCallAt(int column, int row) const;

    IAuctionGridOwner* m_owner = nullptr;
    CAuction* m_auction = nullptr;
};
