// The bidding table's building blocks: the auction grid, picture buttons, dialog units and
// the Edit Comment dialog.

#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "TableHelpers.h"
#include "core/bidding/CAuction.h"
#include "core/bidding/CCall.h"
#include "core/deals/Seats.h"
#include "gui/grid/DialogFont.h"
#include "gui/table/CAuctionGrid.h"
#include "gui/table/CDialogUnits.h"
#include "gui/table/CEditCommentDialog.h"
#include "gui/table/CPictureButton.h"
#include "gui/table/DialogIds.h"
#include "gui/table/IAuctionGridOwner.h"

namespace {
// An auction in a grid, with a stand-in for the dialog the grid sits in.
struct GridSetup : IAuctionGridOwner {
    GridSetup(int dealer, std::vector<int> codes) : auction(nullptr) {
        auction.AppendPlaceholders(dealer);
        for (int code : codes) {
            auction.AppendCall(code);
        }
        grid.resize(130, 130);
        grid.show();
        grid.SetAuction(this, &auction);
    }
    void ReplaceNote(int column, int row, const std::string& note) override {
        auction.GetCall(row * 4 + column)->AppendNote(note, true);
        ++replaced;
    }
    void SetDefaultFocus() override { ++focusRequests; }
    QVariant Data(int column, int row, int role = Qt::DisplayRole) const {
        return grid.model()->data(grid.model()->index(row, column), role);
    }
    bool Bold(int column, int row) const {
        return Data(column, row, Qt::FontRole).value<QFont>().bold();
    }
    QPoint Centre(int column, int row) const {
        return grid.visualRect(grid.model()->index(row, column)).center();
    }

    CAuction auction;
    CAuctionGrid grid;
    int replaced = 0;
    int focusRequests = 0;
};

QPlainTextEdit* Edit(CEditCommentDialog& dialog) {
    return dialog.findChild<QPlainTextEdit*>(ControlName(IDC_COMMENT));
}
QPushButton* Ok(CEditCommentDialog& dialog) {
    return dialog.findChild<QPushButton*>(ControlName(IDOK));
}
}  // namespace

class TestTableParts : public QObject {
    Q_OBJECT

private slots:
    // South deals: three grey empty cells, then the calls under their seats, centred. One
    // row more than the full rounds, so the round being bid always shows.
    void AuctionGridCellsAndShape() {
        GridSetup g(SEAT_SOUTH, {IDC_1S, IDC_PASS, IDC_2S, IDC_DOUBLE, IDC_7N});
        QCOMPARE(g.grid.model()->rowCount(), 3);
        QStringList headings, cells;
        for (int column = 0; column < 4; ++column) {
            headings << g.grid.model()->headerData(column, Qt::Horizontal).toString();
        }
        for (int entry = 0; entry < 12; ++entry) {
            cells << g.Data(entry % 4, entry / 4).toString();
        }
        QCOMPARE(headings.join(' '), QStringLiteral("W N E S"));
        QCOMPARE(cells.join(','), QString::fromUtf8(",,,1♠,P,2♠,D,7NT,,,,"));
        QCOMPARE(g.Data(0, 0, Qt::BackgroundRole).value<QBrush>().color(), QColor(170, 170, 170));
        QVERIFY(!g.Data(3, 0, Qt::BackgroundRole).isValid());
        QCOMPARE(g.Data(3, 0, Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
        QVERIFY(!g.Bold(3, 0));
        // Red suit symbols of the bidding box, and the note as the call's tooltip.
        QVERIFY(!g.Data(3, 0, Qt::ForegroundRole).isValid());
        g.auction.AppendCall(IDC_2H)->AppendNote("Four hearts", true);
        g.grid.SetAuction(&g, &g.auction);
        QCOMPARE(g.Data(0, 2).toString(), QString::fromUtf8("2♥"));
        QCOMPARE(g.Data(0, 2, Qt::ForegroundRole).value<QBrush>().color(), QColor(255, 0, 0));
        QCOMPARE(g.Data(0, 2, Qt::ToolTipRole).toString(), QStringLiteral("Four hearts"));
        QVERIFY(!g.Data(3, 1, Qt::ToolTipRole).isValid());

        // Uniform 16-pixel rows, no row headings, columns sharing the width, nothing to
        // scroll sideways; scrolled so that the round being bid shows.
        for (int i = 0; i < 60; ++i) {
            g.auction.AppendCall(IDC_PASS);
        }
        g.grid.SetAuction(&g, &g.auction);
        QApplication::processEvents();
        QCOMPARE(g.grid.model()->rowCount(), 18);
        QVERIFY(!g.grid.verticalHeader()->isVisible());
        QVERIFY(!g.grid.horizontalScrollBar()->isVisible());
        QCOMPARE(g.grid.rowHeight(7), 16);
        int width = 0;
        for (int column = 0; column < 4; ++column) {
            width += g.grid.columnWidth(column);
        }
        QCOMPARE(width, g.grid.viewport()->width());
        const int last = g.grid.model()->rowCount() - 1;
        QVERIFY(g.grid.viewport()->rect().contains(g.Centre(0, last)));
    }

    // A real call's note is edited from its menu or by a double-click; Cancel keeps it.
    void AuctionGridEditsNotes() {
        GridSetup g(SEAT_NORTH, {IDC_1N, IDC_PASS, IDC_2C});
        auto seen = AnswerEditComment("15-17");
        QCOMPARE(MenuAt(g.grid, g.Centre(1, 0), true), QStringList{"Edit Comment"});
        QCOMPARE(*seen, QString());
        QCOMPARE(g.auction.GetCall(1)->GetNote(), std::string("15-17"));
        QVERIFY(g.Bold(1, 0));
        QCOMPARE(g.focusRequests, 1);

        seen = AnswerEditComment("changed", false);
        QTest::mouseDClick(g.grid.viewport(), Qt::LeftButton, {}, g.Centre(1, 0));
        QCOMPARE(*seen, QStringLiteral("15-17"));
        QCOMPARE(g.auction.GetCall(1)->GetNote(), std::string("15-17"));
        QCOMPARE(g.replaced, 1);
    }

    // Placeholders and empty cells have no note: no menu, and a double-click does nothing.
    void AuctionGridNoNoteOutsideRealCalls_data() {
        QTest::addColumn<int>("passes");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        // East deals: West and North are placeholders.
        QTest::addRow("placeholder") << 1 << 0 << 0;
        QTest::addRow("empty cell of the round being bid") << 1 << 3 << 0;
        QTest::addRow("empty row after four entries") << 2 << 1 << 1;
    }
    void AuctionGridNoNoteOutsideRealCalls() {
        QFETCH(int, passes);
        QFETCH(int, column);
        QFETCH(int, row);
        GridSetup g(SEAT_EAST, std::vector<int>(passes, IDC_PASS));
        auto seen = AnswerEditComment("x");
        QVERIFY(MenuAt(g.grid, g.Centre(column, row), false).isEmpty());
        QTest::mouseDClick(g.grid.viewport(), Qt::LeftButton, {}, g.Centre(column, row));
        QApplication::processEvents();
        QCOMPARE(*seen, QStringLiteral("<no dialog>"));
        QCOMPARE(g.replaced + g.focusRequests, 0);
    }

    // Disabled wins over pressed, pressed over focused; what is drawn is that face.
    void PictureButtonFace_data() {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("down");
        QTest::addColumn<bool>("focused");
        QTest::addColumn<unsigned>("face");
        const ButtonFaces f = kPassFaces;
        QTest::addRow("normal") << true << false << false << f.normal;
        QTest::addRow("focused") << true << false << true << f.focused;
        QTest::addRow("pressed with focus") << true << true << true << f.pressed;
        QTest::addRow("disabled with focus") << false << false << true << f.disabled;
    }
    void PictureButtonFace() {
        QFETCH(bool, enabled);
        QFETCH(bool, down);
        QFETCH(bool, focused);
        QFETCH(unsigned, face);
        QWidget window;
        auto* other = new QPushButton(&window);
        auto* button = new CPictureButton(kPassFaces, &window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        (focused ? static_cast<QWidget*>(button) : other)->setFocus();
        button->setDown(down);
        button->setEnabled(enabled);
        QCOMPARE(button->CurrentFace(), face);
        QVERIFY(ShowsPicture(button, face));
    }

    // Enter presses the focused button itself, not the dialog's default button.
    void PictureButtonClicks() {
        CPictureButton button(BidFaces(3));
        button.show();
        int clicks = 0;
        connect(&button, &QAbstractButton::clicked, [&] { ++clicks; });
        QTest::mouseClick(&button, Qt::LeftButton);
        QTest::keyClick(&button, Qt::Key_Return);
        QTest::keyClick(&button, Qt::Key_Space);
        QCOMPARE(clicks, 3);
    }

    // Neighbouring rectangles stay flush whatever the rounding; a layout grows with its font.
    void DialogUnits() {
        const CDialogUnits units(DialogFont());
        for (int x = 0; x < 40; ++x) {
            const QRect left = units.ToPixels(x, x, 7, 3);
            const QRect right = units.ToPixels(x + 7, x + 3, 5, 5);
            QCOMPARE(left.right() + 1, right.left());
            QCOMPARE(left.bottom() + 1, right.top());
        }
        QFont big = DialogFont();
        big.setPointSize(16);
        const CDialogUnits bigUnits(big);
        QVERIFY(bigUnits.X(433) > units.X(433) * 3 / 2);
        QVERIFY(bigUnits.Y(282) > units.Y(282) * 3 / 2);
    }

    // OK waits for the first change; Enter starts a new line; lines come back joined by
    // "\r\n".
    void EditCommentDialog() {
        CEditCommentDialog dialog;
        dialog.SetCommentText("Strong\r\nForcing");
        dialog.show();
        QCOMPARE(Edit(dialog)->toPlainText(), QStringLiteral("Strong\nForcing"));
        QVERIFY(!Ok(dialog)->isEnabled());
        dialog.accept();
        QVERIFY(dialog.isVisible());
        Edit(dialog)->moveCursor(QTextCursor::End);
        QTest::keyClick(Edit(dialog), Qt::Key_Return);
        QTest::keyClicks(Edit(dialog), "4+ hearts");
        QVERIFY(dialog.isVisible() && Ok(dialog)->isEnabled());
        QTest::mouseClick(Ok(dialog), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.GetCommentText(), QStringLiteral("Strong\r\nForcing\r\n4+ hearts"));
    }
};

QTEST_MAIN(TestTableParts)
#include "test_table_parts.moc"
