#pragma once

#include "gui/table/CAuctionGrid.h"

// The deal file's own auction, read-only, its notes as the tooltips of their calls: the call
// where the pair left it is marked.
class CReferenceAuctionGrid : public CAuctionGrid {
    Q_OBJECT

public:
    explicit CReferenceAuctionGrid(QWidget* parent = nullptr);

    // Shows the auction (not owned) with one entry marked (placeholders counted; -1 none).
    void SetReference(CAuction* auction, int markedEntry);

protected:
    void GetCell(int column, int row, QString& text, unsigned& style) const override;
    bool GetCellMenu(int column, int row, QMenu& menu) override;
    void OnCellDoubleClick(int column, int row) override;

private:
    int m_marked = -1;
};
