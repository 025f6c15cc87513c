// The bidding dialog driven as a person drives it: clicks on its buttons, focus changes, typing,
// the grid's double-click, and answers to its questions.

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include "CMemorySettingsStore.h"
#include "CRecordingStatusDisplay.h"
#include "CScriptedPrompts.h"
#include "TableHelpers.h"
#include "core/bidding/BiddingIds.h"
#include "core/bidding/CAuction.h"
#include "core/bidding/CCall.h"
#include "core/items/CDesktop.h"
#include "core/items/CLorvaneDoc.h"
#include "core/platform/DataFolder.h"
#include "core/platform/GeneralOptions.h"
#include "core/platform/Prompts.h"
#include "core/platform/Settings.h"
#include "core/platform/StatusDisplay.h"
#include "core/table/CBiddingTable.h"
#include "core/table/TableStrings.h"
#include "gui/common/CHelpWindow.h"
#include "gui/table/CAuctionGrid.h"
#include "gui/table/CBiddingDialog.h"
#include "gui/table/CBiddingDialogLauncher.h"
#include "gui/table/CPictureButton.h"
#include "gui/table/DialogIds.h"

namespace {
const QColor kRed(255, 0, 0);

QString CallText(int code) {
    return QString::fromStdString(CCall::GetCallText(code));
}

// Settings and prompts of the test's own, installed before the dialog is made: it reads
// the defensive texts when constructed.
struct Seams {
    Seams() {
        SetSettingsStore(&settings);
        SetPrompts(&prompts);
        VulnerabilityInColour().Set(1);
    }
    ~Seams() {
        SetSettingsStore(nullptr);
        SetPrompts(nullptr);
    }
    CMemorySettingsStore settings;
    CScriptedPrompts prompts;
};

// The dialog on a session of the given number of deals, opened on one of them for a player
// (-1 for none).
struct CDialogTest : Seams {
    explicit CDialogTest(int deals, int startPlayer = -1, int first = 0)
        : session(MakeSession(deals)) {
        Deal(first)->SetStartPlayer(startPlayer);
        dialog.LoadDeal(Deal(first));
        dialog.show();
        QApplication::processEvents();
    }
    QWidget* Control(unsigned id) const { return dialog.Control(id); }
    bool Enabled(unsigned id) const { return Control(id)->isEnabled(); }
    void Click(unsigned id) {
        QTest::mouseClick(Control(id), Qt::LeftButton);
        QApplication::processEvents();
    }
    QString Text(unsigned id) const {
        const bool plain = qobject_cast<QPlainTextEdit*>(Control(id)) != nullptr;
        return Control(id)->property(plain ? "plainText" : "text").toString();
    }
    QColor TextColour(unsigned id) const {
        return Control(id)->palette().color(QPalette::WindowText);
    }
    CBiddingDeal* Deal() const { return dialog.Table().GetDeal(); }
    CBiddingDeal* Deal(int index) const { return DealAt(*session, index); }
    int HoldingsShown() const {
        int shown = 0;
        for (unsigned id = IDC_NORTH_SPADES; id <= IDC_LAST_HOLDING; ++id) {
            shown += Text(id).isEmpty() ? 0 : 1;
        }
        return shown;
    }
    // The calls after West's placeholder.
    QString Calls() const {
        QStringList calls;
        CAuction& auction = *Deal()->GetAuction();
        for (int i = 1; i < auction.GetCallCount(); ++i) {
            calls << CallText(auction.GetCallCode(i));
        }
        return calls.join(' ');
    }
    // The enabled call buttons: the lowest enabled bid with "+" when every bid above it is
    // enabled too, then Pass, Double and Redouble.
    QString EnabledCalls() const {
        QStringList calls;
        int lowest = -1, enabled = 0;
        for (int k = 0; k < kBidCount; ++k) {
            if (Enabled(kBidCodes[k / 5][k % 5])) {
                lowest = lowest < 0 ? k : lowest;
                ++enabled;
            }
        }
        if (lowest >= 0) {
            calls << CallText(kBidCodes[lowest / 5][lowest % 5]) +
                         (enabled == kBidCount - lowest ? "+" : "?");
        }
        for (int code : {IDC_PASS, IDC_DOUBLE, IDC_REDOUBLE}) {
            if (Enabled(code)) {
                calls << CallText(code);
            }
        }
        return calls.join(' ');
    }
    CAuctionGrid& Grid() const { return *dialog.findChild<CAuctionGrid*>(); }

    std::unique_ptr<CBiddingList> session;
    mutable CBiddingDialog dialog;
};
}  // namespace

class TestBiddingDialog : public QObject {
    Q_OBJECT

private slots:
    // Board 1, North deals, North selected. North and South click their calls; East and West
    // answer from their instruction texts. After each step exactly the legal calls are
    // enabled.
    void WholeDealThroughClicks() {
        CDialogTest t(4, SEAT_NORTH);
        QCOMPARE(t.dialog.windowTitle(), QStringLiteral("Deal Number: A1"));
        QCOMPARE(t.HoldingsShown(), 4);  // North's hand only
        QVERIFY(!t.Text(IDC_NORTH_SPADES).isEmpty());
        QCOMPARE(t.Text(IDC_DEFENDERS_TEXT), QString());
        const struct {
            int click;
            const char* calls;    // after the defender's answer
            const char* enabled;  // the call buttons then
        } steps[] = {
            {0, "", "1C+ P"},
            {IDC_1D, "1D 1H", "1S+ P D"},
            {IDC_1S, "1D 1H 1S 2H", "2S+ P D"},
            {IDC_2S, "1D 1H 1S 2H 2S P", "2N+ P"},
            {IDC_4S, "1D 1H 1S 2H 2S P 4S P", "4N+ P"},
            {IDC_PASS, "1D 1H 1S 2H 2S P 4S P P P", ""},
        };
        for (const auto& step : steps) {
            if (step.click != 0) {
                QVERIFY(t.Enabled(step.click));
                t.Click(step.click);
            }
            QCOMPARE(t.Calls(), QString::fromLatin1(step.calls));
            QCOMPARE(t.EnabledCalls(), QString::fromLatin1(step.enabled));
        }
        // Complete: all four hands, and the defenders' instructions, East first as North dealt.
        QCOMPARE(t.HoldingsShown(), 16);
        QCOMPARE(t.Text(IDC_DEFENDERS_TEXT),
                 QStringLiteral("East bids hearts\nWest supports hearts"));
        QVERIFY(t.Text(IDC_SOUTH_TEXT).endsWith(QStringLiteral("Five spades, 12 points")));
        QCOMPARE(t.Grid().model()->rowCount(), 3);
        QCOMPARE(t.Grid().model()->data(t.Grid().model()->index(1, 3)).toString(),
                 QString::fromUtf8("4♠"));
        for (int code : {IDC_1C, IDC_7N, IDC_PASS}) {
            auto* button = static_cast<CPictureButton*>(t.Control(code));
            QVERIFY(ShowsPicture(button, button->Faces().disabled));
        }
    }

    // Taking a call back after the auction was complete marks the selected player as having
    // peeked; his partner later sees that in red.
    void TakeBackMarksThePeek() {
        CDialogTest t(2, SEAT_NORTH);
        for (int code : {IDC_1D, IDC_1S, IDC_2S, IDC_4S, IDC_PASS}) {
            t.Click(code);
        }
        QCOMPARE(t.HoldingsShown(), 16);
        t.Click(IDC_TAKE_BACK);
        QVERIFY(t.Deal()->HasPeeked(SEAT_NORTH));
        QCOMPARE(t.HoldingsShown(), 4);
        QCOMPARE(t.Text(IDC_DEFENDERS_TEXT), QString());
        QVERIFY(t.TextColour(IDC_NORTH_TEXT) != kRed);  // no warning about his own peek

        t.Deal()->SetStartPlayer(SEAT_SOUTH);
        CBiddingDialog other;
        other.LoadDeal(t.Deal());
        other.show();
        auto* north = qobject_cast<QPlainTextEdit*>(other.Control(IDC_NORTH_TEXT));
        QVERIFY2(
            north->toPlainText().startsWith(QStringLiteral("Ann has peeked at South's cards.")),
            qPrintable(north->toPlainText()));
        QCOMPARE(north->palette().color(QPalette::Text), kRed);
        QVERIFY(other.Control(IDC_SOUTH_TEXT)->palette().color(QPalette::WindowText) != kRed);
    }

    // Hide on an unfinished auction asks first; No keeps the deal, Yes hides it and moves on.
    void HideAsksFirst() {
        CDialogTest t(3, SEAT_SOUTH);
        t.Deal(1)->SetHidden(SEAT_NORTH);
        t.Deal(1)->SetComment("Ann: too strong for 1D", true);
        t.prompts.QueueAnswer(false);
        t.Click(IDC_HIDE);
        QCOMPARE(t.prompts.Messages().size(), 1u);
        QCOMPARE(t.prompts.Messages()[0].text, LoadString(IDS_HIDE_UNFINISHED));
        QCOMPARE(t.Deal(), t.Deal(0));
        QVERIFY(!t.Deal(0)->IsHidden(SEAT_SOUTH));

        t.prompts.QueueAnswer(true);
        t.Click(IDC_HIDE);
        QVERIFY(t.Deal(0)->IsHidden(SEAT_SOUTH));
        QCOMPARE(t.dialog.windowTitle(), QStringLiteral("Deal Number: A2"));
        // Showing A2's comment is no edit of it: A2 stays hidden from North.
        QCOMPARE(t.Text(IDC_COMMENT), QStringLiteral("Ann: too strong for 1D"));
        QVERIFY(t.Deal(1)->IsHidden(SEAT_NORTH));
    }

    // North skips the deals he has hidden; stepping past his last deal closes the dialog.
    void NavigationSkipsHiddenDeals() {
        CDialogTest t(5, SEAT_NORTH);
        for (int hidden : {1, 3, 4}) {
            t.Deal(hidden)->SetHidden(SEAT_NORTH);
        }
        t.dialog.Table().UpdateControls();
        QVERIFY(!t.Enabled(IDC_FIRST_DEAL) && !t.Enabled(IDC_PREVIOUS_DEAL));
        QVERIFY(t.Enabled(IDC_NEXT_DEAL) && t.Enabled(IDC_LAST_DEAL));

        // North is to call on A1: leaving asks first, and No stays.
        t.prompts.QueueAnswer(false);
        t.Click(IDC_NEXT_DEAL);
        QCOMPARE(t.prompts.Messages().back().text, LoadString(IDS_LEAVE_WITHOUT_CALL));
        QCOMPARE(t.Deal(), t.Deal(0));
        t.prompts.QueueAnswer(true);
        t.Click(IDC_NEXT_DEAL);
        QCOMPARE(t.Deal(), t.Deal(2));
        QVERIFY(t.Enabled(IDC_PREVIOUS_DEAL) && !t.Enabled(IDC_NEXT_DEAL));

        t.prompts.QueueAnswer(true);
        t.Click(IDC_HIDE);
        QVERIFY(t.Deal(2)->IsHidden(SEAT_NORTH));
        QVERIFY(!t.dialog.isVisible());
    }

    // Focusing the comment box heads it with the player's name, once; typing unhides.
    void CommentPrefixOnce() {
        CDialogTest t(2, SEAT_NORTH);
        auto* comment = qobject_cast<QPlainTextEdit*>(t.Control(IDC_COMMENT));
        for (int i = 0; i < 2; ++i) {
            QTest::mouseClick(comment->viewport(), Qt::LeftButton);
            QCOMPARE(t.Text(IDC_COMMENT), QStringLiteral("Ann: "));
            t.Control(IDC_CLOSE)->setFocus();
        }
        comment->setFocus();
        QCOMPARE(comment->textCursor().position(), 5);  // right after "Ann: "
        QTest::keyClicks(comment, QStringLiteral("weak"));
        t.Deal()->SetHidden(SEAT_SOUTH);
        QTest::keyClick(comment, Qt::Key_Return);
        QTest::keyClicks(comment, QStringLiteral("no"));
        QVERIFY(!t.Deal()->IsHidden(SEAT_SOUTH));
        t.dialog.SaveComment();
        QCOMPARE(t.Deal()->GetComment(), std::string("Ann: weak\r\nno"));
    }

    // The click that gives the comment box the focus leaves the caret after the player's
    // name, wherever it lands.
    void CommentCaretAfterAClick() {
        CDialogTest t(2, SEAT_NORTH);
        t.Deal()->SetComment("Bob: lead a heart", true);
        t.dialog.LoadDeal(t.Deal());
        auto* comment = qobject_cast<QPlainTextEdit*>(t.Control(IDC_COMMENT));
        const QPoint farCorner = comment->viewport()->rect().bottomRight() - QPoint(4, 4);
        QTest::mouseClick(comment->viewport(), Qt::LeftButton, {}, farCorner);
        QTest::keyClicks(comment, QStringLiteral("weak"));
        QCOMPARE(t.Text(IDC_COMMENT), QStringLiteral("Ann: weak\nBob: lead a heart"));
    }

    // Tab reaches the comment box and every command button, and leaves the grid both ways.
    void TabReachesEveryControl() {
        CDialogTest t(2, SEAT_NORTH);
        const auto reached = [&](Qt::Key key) {
            t.Control(IDC_CLOSE)->setFocus();
            QSet<QWidget*> seen;
            for (int i = 0; i < 100; ++i) {
                QTest::keyClick(QApplication::focusWidget(), key,
                                key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
                seen.insert(QApplication::focusWidget());
            }
            return seen;
        };
        for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
            const QSet<QWidget*> seen = reached(key);
            for (unsigned id :
                 {IDC_COMMENT, IDC_AUCTION_GRID, IDC_CLOSE, IDC_HIDE, IDC_COPY, IDC_LOG_BOOK,
                  IDC_HELP_BUTTON, IDC_NEXT_DEAL, static_cast<unsigned>(IDC_1C)}) {
                QVERIFY2(seen.contains(t.Control(id)), qPrintable(QString::number(id)));
            }
            QVERIFY(!seen.contains(t.Control(IDC_NORTH_SPADES)));
        }
    }

    // The table in words: a void reads as a dash, the deal and its contract in one line,
    // and North's long text scrolls rather than being cut off.
    void TheTableInWords() {
        CDialogTest t(2, SEAT_NORTH);
        QCOMPARE(t.Text(IDC_DEAL_SUMMARY), QStringLiteral("Dealer North, neither side vulnerable"));
        t.Deal()->SetSeatText(SEAT_NORTH,
                              std::string(40, 'x') + " and a long instruction, " +
                                  "line after line, that East must answer " + std::string(200, 'y'),
                              true);
        t.Deal()->SetPeeked(SEAT_NORTH);
        t.Deal()->SetStartPlayer(SEAT_NORTH);
        {
            CBiddingDialog other;
            other.LoadDeal(t.Deal());
            other.show();
            QApplication::processEvents();
            auto* north = qobject_cast<QPlainTextEdit*>(other.Control(IDC_NORTH_TEXT));
            QVERIFY(north->toPlainText().contains("long instruction"));
            QVERIFY(north->verticalScrollBar()->maximum() > 0);
        }
        for (int code : {IDC_1D, IDC_1S, IDC_2S, IDC_4S, IDC_PASS}) {
            t.Click(code);
        }
        QCOMPARE(t.Text(IDC_DEAL_SUMMARY),
                 QString::fromUtf8("Dealer North, neither side vulnerable. Contract 4♠ by South"));
        const auto title = AnswerEditComment("", false, [](QDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QString::fromUtf8("Edit Comment: 1♦ by North"));
        });
        QTest::mouseDClick(t.Grid().viewport(), Qt::LeftButton, {},
                           t.Grid().visualRect(t.Grid().model()->index(0, 1)).center());
        QCOMPARE(*title, QString());
    }

    // The dialog grows with its contents: at one and a half times its size every control
    // and the text are one and a half times as large; it does not shrink below its default.
    void TheDialogGrowsWithItsContents() {
        CDialogTest t(1, SEAT_NORTH);
        const QSize normal = t.dialog.size();
        const QRect close = t.Control(IDC_CLOSE)->geometry();
        const QSize button = t.Control(IDC_1C)->size();
        const double points = t.Control(IDC_CLOSE)->font().pointSizeF();
        t.dialog.resize(normal * 1.5);
        QApplication::processEvents();
        QVERIFY(std::abs(t.Control(IDC_CLOSE)->x() - close.x() * 1.5) <= 1);
        QVERIFY(std::abs(t.Control(IDC_CLOSE)->width() - close.width() * 1.5) <= 1);
        QVERIFY(std::abs(t.Control(IDC_1C)->width() - button.width() * 1.5) <= 1);
        QCOMPARE(t.Control(IDC_CLOSE)->font().pointSizeF(), points * 1.5);
        const QImage face = t.Control(IDC_1C)->grab().toImage();
        QCOMPARE(face.size(), t.Control(IDC_1C)->size() * face.devicePixelRatio());
        t.dialog.resize(normal / 2);
        QCOMPARE(t.dialog.size(), normal);
    }

    // The holdings cannot be edited: the focus moves on at once.
    void HoldingsPassTheFocusOn() {
        CDialogTest t(2, SEAT_NORTH);
        QTest::mouseClick(t.Control(IDC_NORTH_SPADES), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), t.Control(IDC_NEXT_DEAL));
    }

    // A note edited from the grid makes the call bold and unhides the deal; clearing the
    // note makes the call plain again.
    void EditCommentFromTheGrid() {
        CDialogTest t(2, SEAT_NORTH);
        t.Click(IDC_1D);
        CAuctionGrid& grid = t.Grid();
        const QModelIndex oneDiamond = grid.model()->index(0, 1);
        const QPoint cell = grid.visualRect(oneDiamond).center();
        t.Deal()->SetHidden(SEAT_NORTH);
        for (const char* note : {"Four or more", ""}) {
            AnswerEditComment(note);
            QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, cell);
            QCOMPARE(t.Deal()->GetAuction()->GetCall(1)->GetNote(), std::string(note));
            QCOMPARE(grid.model()->data(oneDiamond, Qt::FontRole).value<QFont>().bold(),
                     *note != 0);
            QVERIFY(!t.Deal()->IsHidden(SEAT_NORTH));
        }
    }

    // The log-book keeps the logged deals of each session in board order.
    void LogBookInBoardOrder() {
        QTemporaryDir folder;
        SetDataFolder(folder.path().toStdString() + "/");
        CDialogTest t(3, -1, 2);
        CRecordingStatusDisplay status;
        SetStatusDisplay(&status);
        t.Click(IDC_LOG_BOOK);
        QCOMPARE(status.text, std::string("Deal A3 logged in the log-book."));
        t.Click(IDC_FIRST_DEAL);
        t.Click(IDC_LOG_BOOK);
        SetStatusDisplay(nullptr);
        SetDataFolder("");
        CLorvaneDoc logBook;
        QVERIFY(logBook.OnOpenDocument(folder.path().toStdString() + "/Log-book.lv"));
        CItem* session = logBook.GetDesktop()->FindChild("Monday");
        QVERIFY(session != nullptr);
        QCOMPARE(session->GetChildCount(), 2);
        QCOMPARE(session->GetChildAt(0)->GetName(), std::string("A1"));
        QCOMPARE(session->GetChildAt(1)->GetName(), std::string("A3"));
        QCOMPARE(t.Deal(2)->GetIndex(), 2);  // the deals stay in the user's session
    }

    // Copy puts the session's heading and the deal on the clipboard; Help shows the dialog's
    // topic; Close asks while the selected player is to call, Escape does not.
    void CopyHelpCloseAndEscape() {
        CDialogTest t(1, SEAT_NORTH);
        t.Click(IDC_COPY);
        QVERIFY(t.prompts.Clipboard().find("\r\n\r\nA1\r\nNorth / None") != std::string::npos);
        t.Click(IDC_HELP_BUTTON);
        QCOMPARE(CHelpWindow::Instance()->Browser()->source().toString(),
                 CHelpWindow::TopicUrl(IDD_BIDDING));
        CHelpWindow::Instance()->close();
        t.prompts.QueueAnswer(false);
        t.Click(IDC_CLOSE);
        QVERIFY(t.dialog.isVisible());
        QTest::keyClick(&t.dialog, Qt::Key_Escape);
        QVERIFY(!t.dialog.isVisible());
        QCOMPARE(t.prompts.Messages().size(), 1u);
    }

    // F1 shows the page of the window it is pressed in, and help opened from a modal
    // dialog takes clicks while the dialog stays open.
    void HelpFromModalDialogs() {
        CDialogTest t(1, SEAT_NORTH);
        t.dialog.hide();
        t.dialog.setWindowModality(Qt::ApplicationModal);
        t.dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&t.dialog));
        QTest::keyClick(t.Control(IDC_CLOSE), Qt::Key_F1);
        CHelpWindow* help = CHelpWindow::Instance();
        QVERIFY(help != nullptr);
        QCOMPARE(help->Browser()->source().toString(), CHelpWindow::TopicUrl(IDD_BIDDING));
        QVERIFY(QTest::qWaitForWindowExposed(help));
        // Clicked through the window system, which drops the input of windows that a modal
        // one blocks.
        QToolButton* contents = nullptr;
        for (QToolButton* button : help->findChildren<QToolButton*>()) {
            if (button->defaultAction() != nullptr &&
                button->defaultAction()->text() == "&Contents") {
                contents = button;
            }
        }
        QVERIFY(contents != nullptr);
        QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {},
                          contents->mapTo(help, contents->rect().center()));
        QCOMPARE(help->Browser()->source().toString(), CHelpWindow::TopicUrl(IDH_CONTENTS));

        t.Click(IDC_1D);
        const auto shown = AnswerEditComment("", false, [help](QDialog* dialog) {
            // A shortcut needs its window active, and the help window may take the activation
            // back while the dialog comes up: press again until the dialog has it.
            for (int i = 0; i < 20 && help->Browser()->source() !=
                                          QUrl(CHelpWindow::TopicUrl(IDD_EDIT_COMMENT));
                 ++i) {
                dialog->activateWindow();
                (void)QTest::qWaitForWindowActive(dialog);
                QTest::keyClick(dialog, Qt::Key_F1);
                QTest::qWait(50);
            }
        });
        QTest::mouseDClick(t.Grid().viewport(), Qt::LeftButton, {},
                           t.Grid().visualRect(t.Grid().model()->index(0, 1)).center());
        QCOMPARE(*shown, QString());  // the dialog came, with an empty note
        QCOMPARE(help->Browser()->source().toString(), CHelpWindow::TopicUrl(IDD_EDIT_COMMENT));
        help->close();
    }

    // The vulnerability in the centre square follows the General option.
    void VulnerabilityColourOption() {
        CDialogTest t(1, SEAT_NORTH);  // board 1: nobody vulnerable
        const QPoint centre = t.Control(IDC_COMPASS_FRAME)->geometry().center();
        const auto shown = [&] { return t.dialog.grab().toImage().pixelColor(centre); };
        QVERIFY(shown().green() > 120 && shown().red() < 80);  // the green cross
        VulnerabilityInColour().Set(0);
        QCOMPARE(shown(), t.dialog.palette().window().color());  // plain: nothing at all
        VulnerabilityInColour().Set(1);
    }

    // A bidding deal's Open runs the dialog modally and keeps the comment it ends with.
    void OpenThroughTheLauncher() {
        Seams seams;
        InstallBiddingDialogLauncher();
        auto session = MakeSession(2);
        CBiddingDeal* deal = DealAt(*session, 1);
        deal->SetStartPlayer(SEAT_SOUTH);
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<CBiddingDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr && QTest::qWaitForWindowActive(dialog));
            auto* comment = qobject_cast<QPlainTextEdit*>(dialog->Control(IDC_COMMENT));
            comment->setFocus();
            QTest::keyClicks(comment, QStringLiteral("lead a heart"));
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QVERIFY(!deal->Open());
        SetBiddingDialogLauncher(nullptr);
        QCOMPARE(deal->GetComment(), std::string("Bob: lead a heart"));
        QCOMPARE(deal->GetStartPlayer(), -1);
    }
};

QTEST_MAIN(TestBiddingDialog)
#include "test_bidding_dialog.moc"
