#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "grid/CVirtualGrid.h"

namespace {

// A grid over a small table of texts and style words.
class CTableGrid : public CVirtualGrid {
public:
    struct Cell {
        QString text;
        unsigned style = 0;
    };

    int columns = 3;
    int rows = 2;
    bool appendRow = false;
    std::map<std::pair<int, int>, Cell> cells;   // (column, row)
    std::vector<std::pair<int, int>> menuCells;  // cells that offer a menu
    std::vector<std::tuple<int, int, unsigned>> commands;
    std::vector<std::pair<int, int>> doubleClicks;
    int setups = 0;

    using CVirtualGrid::AppendMenuItem;

protected:
    bool HasAppendRow() const override { return appendRow; }
    int GetNumberOfColumns() const override { return columns; }
    int GetNumberOfRows() const override { return rows; }
    void SetupColumns() override { ++setups; }
    void GetColumnHeading(int column, QString& text, unsigned& style) const override {
        text = QString(QChar('A' + column));
        style = column == 1 ? kCellBold : 0;
    }
    void GetCell(int column, int row, QString& text, unsigned& style) const override {
        const auto found = cells.find({column, row});
        text = found == cells.end() ? QString() : found->second.text;
        style = found == cells.end() ? 0 : found->second.style;
    }
    bool GetCellMenu(int column, int row, QMenu& menu) override {
        for (const auto& cell : menuCells) {
            if (cell == std::make_pair(column, row)) {
                AppendMenuItem(menu, 1001, QStringLiteral("Edit"));
                AppendMenuItem(menu, 1002, QStringLiteral("Other"), false);
                return true;
            }
        }
        return false;
    }
    void OnMenuCommand(int column, int row, unsigned id) override {
        commands.emplace_back(column, row, id);
    }
    void OnCellDoubleClick(int column, int row) override { doubleClicks.emplace_back(column, row); }
};

QPoint CellCentre(const CVirtualGrid& grid, int column, int row) {
    return grid.visualRect(grid.model()->index(row, column)).center();
}

// Right-clicks a point; returns the texts of the menu that opened (none: empty) and picks
// the item with text pick.
QStringList RightClick(CVirtualGrid& grid, QPoint point, const QString& pick = {}) {
    QStringList seen;
    QTimer::singleShot(0, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            QAction* chosen = nullptr;
            for (QAction* action : menu->actions()) {
                seen << action->text();
                if (action->text() == pick) {
                    chosen = action;
                }
            }
            if (chosen) {
                menu->setActiveAction(chosen);
                QTest::keyClick(menu, Qt::Key_Return);
            } else {
                menu->close();
            }
        }
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, point, grid.viewport()->mapToGlobal(point));
    QApplication::sendEvent(grid.viewport(), &event);
    QApplication::processEvents();
    return seen;
}

}  // namespace

class TestGrid : public QObject {
    Q_OBJECT

private slots:
    // Each group's first set bit wins; an empty group leaves the default.
    void StyleWord_data() {
        QTest::addColumn<unsigned>("style");
        QTest::addColumn<int>("font");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<QColor>("background");
        const QColor none;
        const int centre = Qt::AlignHCenter | Qt::AlignVCenter;
        QTest::addRow("nothing") << 0u << 0 << none << 0 << none;
        QTest::addRow("underlined") << 0x0001u << 1 << none << 0 << none;
        QTest::addRow("bold") << 0x0002u << 2 << none << 0 << none;
        QTest::addRow("underline beats bold") << 0x0003u << 1 << none << 0 << none;
        QTest::addRow("grey") << 0x0004u << 0 << QColor(170, 170, 170) << 0 << none;
        QTest::addRow("red") << 0x0008u << 0 << QColor(255, 0, 0) << 0 << none;
        QTest::addRow("green") << 0x0010u << 0 << QColor(0, 255, 0) << 0 << none;
        QTest::addRow("blue") << 0x0020u << 0 << QColor(0, 0, 255) << 0 << none;
        QTest::addRow("grey beats red and blue")
            << 0x002Cu << 0 << QColor(170, 170, 170) << 0 << none;
        QTest::addRow("red beats green") << 0x0018u << 0 << QColor(255, 0, 0) << 0 << none;
        QTest::addRow("left") << 0x0040u << 0 << none << int(Qt::AlignLeft) << none;
        QTest::addRow("centre") << 0x0080u << 0 << none << int(Qt::AlignHCenter) << none;
        QTest::addRow("right") << 0x0100u << 0 << none << int(Qt::AlignRight) << none;
        QTest::addRow("left beats right") << 0x0140u << 0 << none << int(Qt::AlignLeft) << none;
        QTest::addRow("top") << 0x0200u << 0 << none << int(Qt::AlignTop) << none;
        QTest::addRow("middle") << 0x0400u << 0 << none << int(Qt::AlignVCenter) << none;
        QTest::addRow("bottom right")
            << 0x0900u << 0 << none << int(Qt::AlignBottom | Qt::AlignRight) << none;
        QTest::addRow("both ways") << 0x0480u << 0 << none << centre << none;
        QTest::addRow("grey background") << 0x1000u << 0 << none << 0 << QColor(170, 170, 170);
        QTest::addRow("white background") << 0x2000u << 0 << none << 0 << QColor(Qt::white);
        QTest::addRow("grey beats white") << 0x3000u << 0 << none << 0 << QColor(170, 170, 170);
        QTest::addRow("everything") << 0x3FFFu << 1 << QColor(170, 170, 170)
                                    << int(Qt::AlignLeft | Qt::AlignTop) << QColor(170, 170, 170);
    }
    void StyleWord() {
        QFETCH(unsigned, style);
        QFETCH(int, font);
        QFETCH(QColor, text);
        QFETCH(int, alignment);
        QFETCH(QColor, background);
        const CellLook look = ResolveCellStyle(style);
        QCOMPARE(static_cast<int>(look.font), font);
        QCOMPARE(look.text.value_or(QColor()), text);
        QCOMPARE(static_cast<int>(look.horizontal | look.vertical), alignment);
        QCOMPARE(look.background.value_or(QColor()), background);
    }

    // What the view is given for a cell: the hook's text in the font, colours and alignment
    // its style word asks for, the grid's defaults (normal font, centred) elsewhere.
    void CellsAsTheViewSeesThem() {
        CTableGrid grid;
        grid.cells[{0, 0}] = {QStringLiteral("1S"), kCellBold | kCellBackgroundGrey};
        grid.cells[{2, 1}] = {QStringLiteral("x"), kCellUnderline | kCellTextRed | kCellAlignRight};
        grid.cells[{1, 1}] = {QStringLiteral("y"), kCellAlignTop};
        grid.SetColumnDefaultStyle(1, kCellAlignLeft | kCellAlignBottom);
        grid.Refresh();
        const QAbstractItemModel& model = *grid.model();
        const auto at = [&](int column, int row, int role) {
            return model.data(model.index(row, column), role);
        };
        QCOMPARE(at(0, 0, Qt::DisplayRole).toString(), QStringLiteral("1S"));
        QVERIFY(at(0, 0, Qt::FontRole).value<QFont>().bold());
        QCOMPARE(at(0, 0, Qt::BackgroundRole).value<QBrush>().color(), QColor(170, 170, 170));
        QCOMPARE(at(0, 0, Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));

        const QFont underlined = at(2, 1, Qt::FontRole).value<QFont>();
        QVERIFY(underlined.underline() && !underlined.bold());
        QCOMPARE(at(2, 1, Qt::ForegroundRole).value<QBrush>().color(), QColor(255, 0, 0));
        QCOMPARE(at(2, 1, Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));

        // The column's default fills only the groups that the cell leaves open.
        QCOMPARE(at(1, 1, Qt::TextAlignmentRole).toInt(), int(Qt::AlignLeft | Qt::AlignTop));
        QCOMPARE(at(1, 0, Qt::TextAlignmentRole).toInt(), int(Qt::AlignLeft | Qt::AlignBottom));

        const QFont normal = at(0, 1, Qt::FontRole).value<QFont>();
        QVERIFY(!normal.bold() && !normal.underline());
        QCOMPARE(normal.pointSize(), 8);
        QVERIFY(!at(0, 1, Qt::ForegroundRole).isValid());
        QVERIFY(!at(0, 1, Qt::BackgroundRole).isValid());

        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("B"));
        QVERIFY(model.headerData(1, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());
        QCOMPARE(model.headerData(0, Qt::Vertical).toString(), QStringLiteral("1"));
    }

    // The counts are read again on Refresh, and only then; column set-up follows a change of
    // the column count.
    void RefreshRereadsTheCounts() {
        CTableGrid grid;
        QCOMPARE(grid.RowCount(), 0);  // nothing asked before the first Refresh
        grid.Refresh();
        QCOMPARE(grid.model()->rowCount(), 2);
        QCOMPARE(grid.model()->columnCount(), 3);
        QCOMPARE(grid.setups, 1);

        grid.rows = 5;
        QCOMPARE(grid.model()->rowCount(), 2);
        grid.Refresh();
        QCOMPARE(grid.model()->rowCount(), 5);
        QCOMPARE(grid.setups, 1);
        grid.rows = 1;
        grid.Refresh();
        QCOMPARE(grid.model()->rowCount(), 1);

        grid.cells[{0, 0}] = {QStringLiteral("new")};
        grid.Refresh();
        QCOMPARE(grid.model()->data(grid.model()->index(0, 0)).toString(), QStringLiteral("new"));

        grid.columns = 4;
        grid.Refresh();
        QCOMPARE(grid.model()->columnCount(), 4);
        QCOMPARE(grid.setups, 2);
    }

    // The append row: one more row headed "*", with no text, menu or double-click.
    void AppendRow() {
        CTableGrid grid;
        grid.appendRow = true;
        grid.menuCells = {{0, 2}};
        grid.cells[{0, 2}] = {QStringLiteral("never shown")};
        grid.resize(300, 200);
        grid.show();
        grid.Refresh();
        QCOMPARE(grid.model()->rowCount(), 3);
        QCOMPARE(grid.model()->headerData(2, Qt::Vertical).toString(), QStringLiteral("*"));
        QCOMPARE(grid.model()->data(grid.model()->index(2, 0)).toString(), QString());
        QVERIFY(RightClick(grid, CellCentre(grid, 0, 2)).isEmpty());
        QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(grid, 0, 2));
        QVERIFY(grid.doubleClicks.empty());
    }

    // A menu only where the hook gives one; the chosen command comes back with its cell.
    void CellMenuAndDoubleClick() {
        CTableGrid grid;
        grid.menuCells = {{1, 1}};
        grid.resize(300, 200);
        grid.show();
        grid.Refresh();
        QVERIFY(RightClick(grid, CellCentre(grid, 0, 0)).isEmpty());
        QVERIFY(RightClick(grid, QPoint(290, 190)).isEmpty());  // below the last row
        QCOMPARE(RightClick(grid, CellCentre(grid, 1, 1), QStringLiteral("Edit")),
                 QStringList({QStringLiteral("Edit"), QStringLiteral("Other")}));
        QCOMPARE(grid.commands.size(), 1u);
        QCOMPARE(grid.commands[0], std::make_tuple(1, 1, 1001u));

        QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(grid, 2, 1));
        QCOMPARE(grid.doubleClicks, (std::vector<std::pair<int, int>>{{2, 1}}));
        QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, QPoint(290, 190));
        QCOMPARE(grid.doubleClicks.size(), 1u);
    }

    // Uniform rows, no row headings, columns sharing the width: nothing scrolls sideways.
    void GeometryOperations() {
        CTableGrid grid;
        grid.columns = 4;
        grid.rows = 30;
        grid.SetUniformRowHeight(16);
        grid.SetRowHeadingWidth(0);
        grid.SetHorizontalScrollBarShown(false);
        grid.FitColumnsToWidth();
        grid.resize(130, 130);
        grid.show();
        grid.Refresh();
        QApplication::processEvents();
        QVERIFY(!grid.verticalHeader()->isVisible());
        for (int row : {0, 17, 29}) {
            QCOMPARE(grid.rowHeight(row), 16);
        }
        QCOMPARE(grid.horizontalHeader()->height(), 16);
        int total = 0;
        for (int column = 0; column < 4; ++column) {
            QVERIFY(qAbs(grid.columnWidth(column) - grid.viewport()->width() / 4) <= 1);
            total += grid.columnWidth(column);
        }
        QCOMPARE(total, grid.viewport()->width());
        QVERIFY(!grid.horizontalScrollBar()->isVisible());
        QVERIFY(grid.verticalScrollBar()->isVisible());  // 30 rows do not fit
    }
};

QTEST_MAIN(TestGrid)
#include "test_grid.moc"
