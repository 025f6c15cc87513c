// The auction grid over a real auction, with a stand-in for the dialog it sits in.

#include <QHeaderView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "bidding/CAuction.h"
#include "bidding/CCall.h"
#include "deals/Seats.h"
#include "table/CAuctionGrid.h"
#include "table/CEditCommentDialog.h"
#include "table/DialogIds.h"
#include "table/IAuctionGridOwner.h"

namespace {

class CFakeOwner : public IAuctionGridOwner {
public:
    explicit CFakeOwner(CAuction& auction) : m_auction(auction) {}
    void ReplaceNote(int column, int row, const std::string& note) override {
        m_auction.GetCall(row * 4 + column)->AppendNote(note, true);
        replaced.emplace_back(column, row);
    }
    void SetDefaultFocus() override { ++focusRequests; }

    std::vector<std::pair<int, int>> replaced;
    int focusRequests = 0;

private:
    CAuction& m_auction;
};

struct Fixture {
    explicit Fixture(int dealer, std::initializer_list<int> codes)
        : auction(nullptr), owner(auction) {
        auction.AppendPlaceholders(dealer);
        for (int code : codes) {
            auction.AppendCall(code);
        }
        grid.resize(130, 130);
        grid.show();
        grid.SetAuction(&owner, &auction);
    }
    QString Text(int column, int row) const {
        return grid.model()->data(grid.model()->index(row, column)).toString();
    }
    QVariant Role(int column, int row, int role) const {
        return grid.model()->data(grid.model()->index(row, column), role);
    }
    bool Bold(int column, int row) const {
        return Role(column, row, Qt::FontRole).value<QFont>().bold();
    }
    QPoint Centre(int column, int row) const {
        return grid.visualRect(grid.model()->index(row, column)).center();
    }

    CAuction auction;
    CFakeOwner owner;
    CAuctionGrid grid;
};

// Arranges for the next modal Edit Comment dialog to be answered: the text typed over the
// old one, then OK (or Cancel). Returns where the dialog's text is reported.
std::shared_ptr<QString> AnswerEditComment(const QString& typed, bool ok) {
    auto seen = std::make_shared<QString>(QStringLiteral("<no dialog>"));
    // Waits for the dialog (a menu may come first), for at most half a second.
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [=] {
        auto* dialog = qobject_cast<CEditCommentDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            if (++*tries > 50) {
                timer->deleteLater();
            }
            return;
        }
        timer->stop();
        timer->deleteLater();
        auto* edit = dialog->findChild<QPlainTextEdit*>(ControlName(IDC_COMMENT));
        *seen = edit->toPlainText();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, typed);
        const unsigned button = ok ? IDOK : IDCANCEL;
        QTest::mouseClick(dialog->findChild<QPushButton*>(ControlName(button)), Qt::LeftButton);
    });
    timer->start(10);
    return seen;
}

QStringList MenuAt(CAuctionGrid& grid, QPoint point, bool choose) {
    QStringList items;
    QTimer::singleShot(0, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* action : menu->actions()) {
                items << action->text();
            }
            if (choose) {
                menu->setActiveAction(menu->actions().first());
                QTest::keyClick(menu, Qt::Key_Return);
            } else {
                menu->close();
            }
        }
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, point, grid.viewport()->mapToGlobal(point));
    QApplication::sendEvent(grid.viewport(), &event);
    QApplication::processEvents();
    return items;
}

}  // namespace

class TestAuctionGrid : public QObject {
    Q_OBJECT

private slots:
    // Rows: one more than the full rounds, so the round being bid always shows.
    void Rows_data() {
        QTest::addColumn<int>("dealer");
        QTest::addColumn<int>("calls");
        QTest::addColumn<int>("rows");
        QTest::addRow("empty auction, West deals") << SEAT_WEST << 0 << 1;
        QTest::addRow("South deals, nothing called") << SEAT_SOUTH << 0 << 1;
        QTest::addRow("exactly four entries") << SEAT_WEST << 4 << 2;
        QTest::addRow("four entries with placeholders") << SEAT_EAST << 2 << 2;
        QTest::addRow("five entries") << SEAT_WEST << 5 << 2;
        QTest::addRow("a long auction") << SEAT_NORTH << 39 << 11;
    }
    void Rows() {
        QFETCH(int, dealer);
        QFETCH(int, calls);
        QFETCH(int, rows);
        Fixture f(dealer, {});
        for (int i = 0; i < calls; ++i) {
            f.auction.AppendCall(IDC_PASS);
        }
        f.grid.SetAuction(&f.owner, &f.auction);
        QCOMPARE(f.grid.model()->rowCount(), rows);
        QCOMPARE(f.grid.model()->columnCount(), 4);
    }

    // South deals: three grey empty cells, then the calls under their seats.
    void CellsAndHeadings() {
        Fixture f(SEAT_SOUTH, {IDC_1S, IDC_PASS, IDC_2S, IDC_DOUBLE, IDC_REDOUBLE, IDC_7N});
        const QStringList headings = {"W", "N", "E", "S"};
        for (int column = 0; column < 4; ++column) {
            QCOMPARE(f.grid.model()->headerData(column, Qt::Horizontal).toString(),
                     headings[column]);
            QCOMPARE(f.Role(column, 0, Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
        }
        const QColor grey(170, 170, 170);
        for (int column = 0; column < 3; ++column) {
            QCOMPARE(f.Text(column, 0), QString());
            QCOMPARE(f.Role(column, 0, Qt::BackgroundRole).value<QBrush>().color(), grey);
        }
        const QStringList texts = {"1S", "P", "2S", "D", "RD", "7N"};
        for (int i = 0; i < texts.size(); ++i) {
            const int entry = 3 + i;
            QCOMPARE(f.Text(entry % 4, entry / 4), texts[i]);
            QVERIFY(!f.Role(entry % 4, entry / 4, Qt::BackgroundRole).isValid());
            QVERIFY(!f.Bold(entry % 4, entry / 4));
        }
        QCOMPARE(f.Text(1, 2), QString());  // past the end
    }

    // The grid's shape: uniform 16-pixel rows, no row headings, nothing to scroll sideways.
    void Shape() {
        Fixture f(SEAT_NORTH, {});
        for (int i = 0; i < 60; ++i) {
            f.auction.AppendCall(IDC_PASS);
        }
        f.grid.SetAuction(&f.owner, &f.auction);
        QApplication::processEvents();
        QVERIFY(!f.grid.verticalHeader()->isVisible());
        QVERIFY(!f.grid.horizontalScrollBar()->isVisible());
        QCOMPARE(f.grid.rowHeight(7), 16);
        // Scrolled so that the round being bid shows.
        const int last = f.grid.model()->rowCount() - 1;
        QVERIFY(f.grid.viewport()->rect().contains(f.Centre(0, last)));
    }

    // A note makes a call bold; clearing it in Edit Comment makes it plain again.
    void EditCommentFromTheMenu() {
        Fixture f(SEAT_NORTH, {IDC_1N, IDC_PASS, IDC_2C});
        QVERIFY(!f.Bold(1, 0));
        auto seen = AnswerEditComment(QStringLiteral("15-17"), true);
        QCOMPARE(MenuAt(f.grid, f.Centre(1, 0), true),
                 QStringList({QStringLiteral("Edit Comment")}));
        QCOMPARE(*seen, QString());
        QCOMPARE(f.auction.GetCall(1)->GetNote(), std::string("15-17"));
        QVERIFY(f.Bold(1, 0));
        QCOMPARE(f.owner.focusRequests, 1);

        seen = AnswerEditComment(QString(), true);
        QTest::mouseDClick(f.grid.viewport(), Qt::LeftButton, {}, f.Centre(1, 0));
        QCOMPARE(*seen, QStringLiteral("15-17"));
        QCOMPARE(f.auction.GetCall(1)->GetNote(), std::string());
        QVERIFY(!f.Bold(1, 0));
        QCOMPARE(f.owner.replaced.size(), 2u);
    }

    void CancelKeepsTheNote() {
        Fixture f(SEAT_WEST, {IDC_1C});
        f.auction.GetCall(0)->AppendNote("Could be short", true);
        auto seen = AnswerEditComment(QStringLiteral("changed"), false);
        QTest::mouseDClick(f.grid.viewport(), Qt::LeftButton, {}, f.Centre(0, 0));
        QCOMPARE(*seen, QStringLiteral("Could be short"));
        QCOMPARE(f.auction.GetCall(0)->GetNote(), std::string("Could be short"));
        QVERIFY(f.owner.replaced.empty());
        QVERIFY(f.Bold(0, 0));
    }

    // Placeholders and empty cells have no note: no menu, and a double-click does nothing.
    void NoNoteOutsideRealCalls_data() {
        QTest::addColumn<int>("passes");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        // East deals: West and North are placeholders.
        QTest::addRow("placeholder") << 1 << 0 << 0;
        QTest::addRow("empty cell of the round being bid") << 1 << 3 << 0;
        QTest::addRow("empty row after four entries") << 2 << 1 << 1;
    }
    void NoNoteOutsideRealCalls() {
        QFETCH(int, passes);
        QFETCH(int, column);
        QFETCH(int, row);
        Fixture f(SEAT_EAST, {});
        for (int i = 0; i < passes; ++i) {
            f.auction.AppendCall(IDC_PASS);
        }
        f.grid.SetAuction(&f.owner, &f.auction);
        QCOMPARE(f.Text(column, row), QString());
        auto seen = AnswerEditComment(QStringLiteral("x"), true);
        QVERIFY(MenuAt(f.grid, f.Centre(column, row), false).isEmpty());
        QTest::mouseDClick(f.grid.viewport(), Qt::LeftButton, {}, f.Centre(column, row));
        QApplication::processEvents();
        QCOMPARE(*seen, QStringLiteral("<no dialog>"));
        QVERIFY(f.owner.replaced.empty());
        QCOMPARE(f.owner.focusRequests, 0);
    }
};

QTEST_MAIN(TestAuctionGrid)
#include "test_auction_grid.moc"
