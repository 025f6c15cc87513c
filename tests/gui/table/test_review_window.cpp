// The review after the auction: the bidding dialog's panel, its analysis off the window
// thread, the option that hides it, and the session review window.

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "CMemorySettingsStore.h"
#include "CScriptedPrompts.h"
#include "HeldSolver.h"
#include "TableHelpers.h"
#include "core/bidding/BiddingIds.h"
#include "core/bidding/CAuction.h"
#include "core/bidding/CReferenceAuction.h"
#include "core/platform/GeneralOptions.h"
#include "core/platform/Prompts.h"
#include "core/platform/Settings.h"
#include "core/review/DoubleDummy.h"
#include "core/table/CBiddingTable.h"
#include "gui/common/CAnalysisService.h"
#include "gui/common/ReviewFormat.h"
#include "gui/review/CSessionReviewDialog.h"
#include "gui/review/CSessionReviewModel.h"
#include "gui/table/CBiddingDialog.h"
#include "gui/table/CReviewPanel.h"
#include "gui/table/DialogIds.h"

namespace {
using State = ReviewDisplay::State;

// The calls after the placeholders before the dealer.
void SetAuction(CBiddingDeal& deal, std::initializer_list<int> codes) {
    CAuction& auction = *deal.GetAuction();
    auction.AppendPlaceholders(deal.GetDealer());
    for (int code : codes) {
        auction.AppendCall(code);
    }
}

TrickTable TableOf(CBiddingDeal& deal) {
    DealCards cards;
    std::string reason;
    ReadDealCards(deal, cards, reason);
    return CHeldSolver::TableOf(cards);
}

// Settings, prompts and an analysis service on a held solver, installed for one test.
struct CReviewTest {
    CReviewTest() {
        SetSettingsStore(&settings);
        SetPrompts(&prompts);
        ReviewShown().Set(1);
        auto held = std::make_unique<CHeldSolver>();
        solver = held.get();
        service = std::make_unique<CAnalysisService>(std::move(held));
        CAnalysisService::Install(service.get());
    }
    ~CReviewTest() {
        solver->Free();  // the solver's thread must not wait for ever
        service.reset();
        SetSettingsStore(nullptr);
        SetPrompts(nullptr);
    }
    bool Known(CBiddingDeal& deal) const { return service->Find(deal) != nullptr; }

    CMemorySettingsStore settings;
    CScriptedPrompts prompts;
    CHeldSolver* solver;
    std::unique_ptr<CAnalysisService> service;
};

// The bidding dialog on a session, opened on its first deal for a player (-1 none).
struct CDialogReviewTest : CReviewTest {
    explicit CDialogReviewTest(int deals) : session(MakeSession(deals)) {}
    void Open(int player) {
        Deal(0)->SetStartPlayer(player);
        dialog = std::make_unique<CBiddingDialog>();
        dialog->LoadDeal(Deal(0));
        dialog->show();
        QApplication::processEvents();
    }
    CBiddingDeal* Deal(int index) const { return DealAt(*session, index); }
    CReviewPanel* Panel() const { return dialog->findChild<CReviewPanel*>(); }
    State Shown() const { return Panel()->Shown().state; }
    QString Label(const char* name) const {
        return Panel()->findChild<QLabel*>(QLatin1String(name))->text();
    }
    QString Tricks(int seat, int strain) const {
        return Panel()
            ->findChild<QLabel*>(QStringLiteral("tricks%1%2").arg(seat).arg(strain))
            ->text();
    }
    void Click(unsigned id) {
        QTest::mouseClick(dialog->Control(id), Qt::LeftButton);
        QApplication::processEvents();
    }

    std::unique_ptr<CBiddingList> session;
    std::unique_ptr<CBiddingDialog> dialog;
};

}  // namespace

class TestReview : public QObject {
    Q_OBJECT

private slots:
    // Nothing of the review shows while the auction runs; the final Pass shows it (after
    // "Analysing..."), a take-back hides it, and completing again shows it at once.
    void CompletingShowsTakingBackHides() {
        CDialogReviewTest t(2);
        t.Open(SEAT_NORTH);
        QCOMPARE(t.Shown(), State::Hidden);
        QVERIFY(!t.Panel()
                     ->findChild<QWidget*>(QStringLiteral("reviewTricks"))
                     ->isVisibleTo(t.Panel()));
        t.solver->Hold();
        for (int code : {IDC_1D, IDC_1S, IDC_2S, IDC_4S}) {
            t.Click(code);
            QCOMPARE(t.Shown(), State::Hidden);
        }
        t.Click(IDC_PASS);
        QCOMPARE(t.Shown(), State::Analysing);
        QVERIFY(t.dialog->isEnabled());  // the dialog is not blocked meanwhile
        t.solver->Release(1);
        QTRY_COMPARE(t.Shown(), State::Ready);

        // South bid spades first: 4S by South, who has five spades in this table: 8 tricks.
        const TrickTable table = TableOf(*t.Deal(0));
        QCOMPARE(t.Tricks(SEAT_SOUTH, STRAIN_SPADES), QStringLiteral("<b>8</b>"));
        QCOMPARE(t.Tricks(SEAT_EAST, STRAIN_HEARTS),
                 QString::number(table[SEAT_EAST][STRAIN_HEARTS]));
        QVERIFY2(t.Label("reviewReached").endsWith(QStringLiteral("by South<br>down 2")),
                 qPrintable(t.Label("reviewReached")));
        QVERIFY(t.Label("reviewReachedScore").contains(QStringLiteral("\u2212100")));
        QVERIFY(t.Label("reviewParScore").contains(QStringLiteral("+140")));
        // -100 against +140: 240 points, 6 IMPs lost.
        QVERIFY2(t.Label("reviewImpsScore").contains(QStringLiteral("\u22126")),
                 qPrintable(t.Label("reviewImpsScore")));

        t.Click(IDC_TAKE_BACK);
        QCOMPARE(t.Shown(), State::Hidden);
        QVERIFY(!t.Panel()
                     ->findChild<QWidget*>(QStringLiteral("reviewTricks"))
                     ->isVisibleTo(t.Panel()));
        t.Click(IDC_PASS);
        QCOMPARE(t.Shown(), State::Ready);  // known: no second analysis
    }

    // The dialog moves on while the first deal is being analysed: its late result is
    // dropped, and the second deal shows its own.
    void LateResultNeverShowsOnTheNextDeal() {
        CDialogReviewTest t(2);
        SetAuction(*t.Deal(0), {IDC_1N, IDC_PASS, IDC_PASS, IDC_PASS});
        SetAuction(*t.Deal(1), {IDC_PASS, IDC_PASS, IDC_PASS, IDC_PASS});
        t.solver->Hold();
        t.Open(-1);
        QCOMPARE(t.Shown(), State::Analysing);
        QTRY_COMPARE(t.solver->Waiting(), 1);  // the solver is at work on the first deal
        t.Click(IDC_NEXT_DEAL);
        QCOMPARE(t.dialog->Table().GetDeal(), t.Deal(1));
        QCOMPARE(t.Shown(), State::Analysing);

        t.solver->Release(1);  // the first deal's table only
        QTRY_VERIFY(t.Known(*t.Deal(0)));
        QApplication::processEvents();
        QCOMPARE(t.Shown(), State::Analysing);

        t.solver->Release(1);
        QTRY_COMPARE(t.Shown(), State::Ready);
        const TrickTable table = TableOf(*t.Deal(1));
        for (int seat : {SEAT_NORTH, SEAT_WEST}) {
            QCOMPARE(t.Tricks(seat, STRAIN_CLUBS), QString::number(table[seat][STRAIN_CLUBS]));
        }
        QVERIFY(t.Label("reviewReached").contains(QStringLiteral("Passed out")));

        // Back on the first deal its result is there at once.
        t.Click(IDC_PREVIOUS_DEAL);
        QCOMPARE(t.Shown(), State::Ready);
        QVERIFY(t.Label("reviewReached").contains(QStringLiteral("1NT by North")));
    }

    // The file's auction shows beside the pair's: the call where they left it marked, its
    // notes readable, its contract with its result; the session review counts it.
    void ReferenceAuctionShowsWhereThePairLeftIt() {
        CDialogReviewTest t(1);
        auto reference = CReferenceAuction::FromFieldText("N:1N P 3N P P P");
        QVERIFY(reference.has_value());
        reference->AddNote(2, "Game values, no major");
        t.Deal(0)->SetReferenceAuction(reference);
        SetAuction(*t.Deal(0), {IDC_1N, IDC_PASS, IDC_PASS, IDC_PASS});
        t.Open(-1);
        QTRY_COMPARE(t.Shown(), State::Ready);
        QVERIFY(t.Panel()
                    ->findChild<QWidget*>(QStringLiteral("referenceAuction"))
                    ->isVisibleTo(t.Panel()));
        // West's placeholder, North's 1NT, East's Pass, then South's 3NT where the pair passed.
        const QAbstractItemModel& grid =
            *t.Panel()->findChild<QTableView*>(QStringLiteral("referenceAuction"))->model();
        const QModelIndex departure = grid.index(0, SEAT_SOUTH);
        QCOMPARE(departure.data().toString(), QStringLiteral("3NT"));
        QCOMPARE(departure.data(Qt::BackgroundRole).value<QBrush>().color(), QColor(255, 226, 120));
        QCOMPARE(departure.data(Qt::ToolTipRole).toString(),
                 QStringLiteral("Game values, no major"));
        QVERIFY(!grid.index(0, SEAT_NORTH).data(Qt::BackgroundRole).isValid());
        QVERIFY(t.Label("reviewReferenceNote").contains(QStringLiteral("Game values, no major")));
        // North takes two tricks in no trumps with this solver.
        QVERIFY2(t.Label("reviewReferenceResult").endsWith(QStringLiteral("by North<br>down 7")),
                 qPrintable(t.Label("reviewReferenceResult")));

        CSessionReviewDialog review(*t.session, *t.service);
        QCOMPARE(review.Model().CellText(0, CSessionReviewModel::ColumnReference),
                 QStringLiteral("3NT N"));
        QVERIFY2(review.TotalsText().endsWith(
                     QStringLiteral("the file's contract reached on 0 of 1 deals")),
                 qPrintable(review.TotalsText()));
    }

    // A deal the solver cannot analyse shows why, in one line.
    void FailureShowsItsReason() {
        CDialogReviewTest t(1);
        t.solver->failure = "out of memory";
        SetAuction(*t.Deal(0), {IDC_1N, IDC_PASS, IDC_PASS, IDC_PASS});
        t.Open(-1);
        QTRY_COMPARE(t.Shown(), State::Unanalysable);
        QVERIFY2(t.Label("reviewStatus").contains(QStringLiteral("out of memory")),
                 qPrintable(t.Label("reviewStatus")));
    }

    // Switched off in the General Options, the dialog has no review at all and keeps its
    // old size.
    void OptionHidesTheReview() {
        CDialogReviewTest t(1);
        SetAuction(*t.Deal(0), {IDC_1N, IDC_PASS, IDC_PASS, IDC_PASS});
        t.Open(-1);
        QVERIFY(t.Panel() != nullptr);
        const int withReview = t.dialog->width();

        CDialogReviewTest off(1);
        ReviewShown().Set(0);
        SetAuction(*off.Deal(0), {IDC_1N, IDC_PASS, IDC_PASS, IDC_PASS});
        off.Open(-1);
        QCOMPARE(off.Panel(), nullptr);
        QVERIFY(off.dialog->width() < withReview);
    }

    // The session review lists every deal, fills in as the analysis arrives, totals the
    // complete deals, sorts, and copies the table as tab-separated text.
    void SessionReviewListsAndTotals() {
        CReviewTest t;
        auto session = MakeSession(4);
        SetAuction(*DealAt(*session, 0), {IDC_1N, IDC_PASS, IDC_PASS, IDC_PASS});
        SetAuction(*DealAt(*session, 1), {IDC_PASS, IDC_PASS, IDC_PASS, IDC_PASS});
        SetAuction(*DealAt(*session, 2), {IDC_1S});
        SetAuction(*DealAt(*session, 3),
                   {IDC_PASS, IDC_1S, IDC_PASS, IDC_4S, IDC_PASS, IDC_PASS, IDC_PASS});
        t.solver->Hold();
        CSessionReviewDialog dialog(*session, *t.service);
        dialog.show();
        CSessionReviewModel& model = dialog.Model();
        QCOMPARE(model.rowCount(), 4);
        QCOMPARE(model.CellText(0, CSessionReviewModel::ColumnContract), QStringLiteral("1NT N"));
        QCOMPARE(model.CellText(0, CSessionReviewModel::ColumnTricks),
                 QStringLiteral("analysing..."));
        QCOMPARE(model.CellText(2, CSessionReviewModel::ColumnContract),
                 QStringLiteral("not complete"));

        t.solver->Release(4);
        QTRY_VERIFY(t.Known(*DealAt(*session, 3)));
        QApplication::processEvents();
        // Par +140 each. 1NT by North, who takes two tricks in no trumps here: down 5, -250.
        // Passed out: 0. 4S by North with one spade: 4 tricks, down 6 vulnerable, -600.
        const struct {
            int row;
            const char* contract;
            const char* tricks;
            const char* score;
            const char* imps;
        } rows[] = {
            {0, "1NT N", "2", "\u2212250", "\u22129"},
            {1, "Pass", "", "0", "\u22124"},
            {2, "not complete", "", "", ""},
            {3, "4\u2660 N", "4", "\u2212600", "\u221212"},
        };
        for (const auto& row : rows) {
            QCOMPARE(model.CellText(row.row, CSessionReviewModel::ColumnContract),
                     QString::fromUtf8(row.contract));
            QCOMPARE(model.CellText(row.row, CSessionReviewModel::ColumnTricks),
                     QString::fromUtf8(row.tricks));
            QCOMPARE(model.CellText(row.row, CSessionReviewModel::ColumnScore),
                     QString::fromUtf8(row.score));
            QCOMPARE(model.CellText(row.row, CSessionReviewModel::ColumnImps),
                     QString::fromUtf8(row.imps));
        }
        const SessionReviewTotals totals = model.Totals();
        QCOMPARE(totals.completeDeals, 3);
        QCOMPARE(totals.imps, -25);
        QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("sessionReviewTotals"))
                    ->text()
                    .startsWith(QStringLiteral("\u221225 IMPs against par over 3 complete deals")));

        // Sorted by IMPs, the worst comes first.
        dialog.View().sortByColumn(CSessionReviewModel::ColumnImps, Qt::AscendingOrder);
        const QAbstractItemModel& shown = *dialog.View().model();
        QCOMPARE(shown.index(0, CSessionReviewModel::ColumnBoard).data().toString(),
                 QStringLiteral("A3"));  // no value first
        QCOMPARE(shown.index(1, CSessionReviewModel::ColumnBoard).data().toString(),
                 QStringLiteral("A4"));

        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("copyButton")),
                          Qt::LeftButton);
        const QStringList lines =
            QString::fromStdString(t.prompts.Clipboard()).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 7);  // heading, four deals, totals, the empty end
        QVERIFY(lines[0].startsWith(QStringLiteral("Board\tDealer / Vul.\tAuction\tContract")));
        QVERIFY2(lines[2].startsWith(QStringLiteral("A4\tW / All\tP 1\u2660 P 4\u2660 P P P\t")),
                 qPrintable(lines[2]));
    }

    // Par contracts and results in words.
    void Wording() {
        const struct {
            const char* par;
            const char* words;
        } pars[] = {
            {"4S-NS", "4\u2660 by North-South"},
            {"5D*-EW-2", "5\u2666X by East-West, down 2"},
            {"3N-S+1", "3NT by South, +1"},
            {"7Q-XY", "7Q-XY"},
        };
        for (const auto& par : pars) {
            QCOMPARE(ParContractText(par.par), QString::fromUtf8(par.words));
        }
        QCOMPARE(ResultText({{4, STRAIN_SPADES, 0, SEAT_NORTH}, 10, 420}),
                 QStringLiteral("makes 10 tricks, +420"));
        QCOMPARE(ResultText({{3, STRAIN_NOTRUMP, 1, SEAT_EAST}, 7, 200}),
                 QStringLiteral("down 2, +200"));
        QCOMPARE(ResultText({{}, -1, 0}), QStringLiteral("0"));
    }
};

QTEST_MAIN(TestReview)
#include "test_review_window.moc"
