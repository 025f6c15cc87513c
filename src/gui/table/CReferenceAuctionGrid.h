#pragma once

#include "gui/table/CAuctionGrid.h"

// The deal file's own auction, read-only: the call where the pair left it in red, and every
// note as the tooltip of its call.
class CReferenceAuctionGrid : public CAuctionGrid {
    Q_OBJECT

public:
    explicit CReferenceAuctionGrid(QWidget* parent = nullptr);

    // Shows the auction (not owned) with one entry marked (placeholders counted; -1 none).
    void SetReference(CAuction* auction, int markedEntry);
    // The note of the call in a cell; empty for a cell without one.
    QString NoteAt(int column, int row) const;

protected:
    void GetCell(int column, int row, QString& text, unsigned& style) const override;
    bool GetCellMenu(int column, int row, QMenu& menu) override;
    void OnCellDoubleClick(int column, int row) override;
    bool viewportEvent(QEvent* event) override;

private:
    CAuction* m_reference = nullptr;
    int m_marked = -1;
};
