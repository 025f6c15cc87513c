#pragma once

#include <map>

#include <QFont>
#include <QTableView>

#include "gui/grid/CellStyle.h"

class QMenu;

// A grid that asks for everything it shows. A subclass fills in a few hooks (counts,
// headings, the text and style word of each cell, a cell's menu, double-click) and the grid
// turns them into what Qt's model/view wants: texts, fonts, colours, alignment.
//
// Columns and rows are counted from 0. The grid reads its counts only in Refresh(), so a
// subclass is free to finish constructing before it is first asked.
class CVirtualGrid : public QTableView {
    Q_OBJECT

public:
    explicit CVirtualGrid(QWidget* parent = nullptr);
    ~CVirtualGrid() override;

    // Reads the column and row counts again (column set-up runs when the column count
    // changes) and redraws every cell and heading.
    void Refresh();
    void RedrawCell(int column, int row);

    // The three fonts at that multiple of the dialog font's size.
    void SetFontScale(double scale);
    // Every row, and the heading row, this many pixels high.
    void SetUniformRowHeight(int pixels);
    // 0 leaves out the row headings.
    void SetRowHeadingWidth(int pixels);
    void SetHorizontalScrollBarShown(bool shown);
    // The columns share the width of the grid, so nothing scrolls sideways.
    void FitColumnsToWidth();
    // Alignment bits used for a column's cells whose style word has none.
    void SetColumnDefaultStyle(int column, unsigned style);

    const QFont& NormalFont() const { return m_normalFont; }
    const QFont& UnderlinedFont() const { return m_underlinedFont; }
    const QFont& BoldFont() const { return m_boldFont; }

    int ColumnCount() const;
    // Rows as shown, the append row included.
    int RowCount() const;

protected:
    // Hooks, in the order the grid asks for them.
    virtual bool HasAppendRow() const { return false; }
    virtual int GetNumberOfColumns() const = 0;
    virtual int GetNumberOfRows() const = 0;
    virtual void SetupColumns() {}
    virtual void GetCorner(QString& text, unsigned& style) const;
    virtual void GetColumnHeading(int column, QString& text, unsigned& style) const;
    virtual void GetRowHeading(int row, QString& text, unsigned& style) const;
    virtual void GetCell(int column, int row, QString& text, unsigned& style) const = 0;
    // Shown when the pointer rests on the cell; empty for none.
    virtual QString GetCellToolTip(int column, int row) const;
    // Stores a cell's edited text; false refuses it. Editing starts only where a subclass
    // sets edit triggers.
    virtual bool StoreCell(int column, int row, const QString& text);
    // Adds the cell's menu items (AppendMenuItem) and returns whether a menu is shown.
    virtual bool GetCellMenu(int column, int row, QMenu& menu);
    virtual void OnCellDoubleClick(int column, int row);
    virtual void OnMenuCommand(int column, int row, unsigned commandId);

    static QAction* AppendMenuItem(QMenu& menu, unsigned commandId, const QString& text,
                                   bool enabled = true, bool checked = false);

    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class CModel;

    // The cell under a point of the viewport; false for the append row and outside cells.
    bool CellAt(QPoint point, int& column, int& row) const;
    const QFont& FontFor(CellFont font) const;
    void PaintCorner(QWidget* corner);

    CModel* m_model;
    QFont m_normalFont;
    QFont m_underlinedFont;
    QFont m_boldFont;
    std::map<int, unsigned> m_columnStyles;
};
