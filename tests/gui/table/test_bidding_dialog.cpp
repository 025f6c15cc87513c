// The bidding dialog driven as a person drives it: clicks on its buttons, focus changes, typing,
// the grid's double-click, and answers to its questions.

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "CScriptedPrompts.h"
#include "TableSession.h"
#include "app/CHelpWindow.h"
#include "bidding/BiddingIds.h"
#include "bidding/CAuction.h"
#include "bidding/CCall.h"
#include "images/Pictures.h"
#include "items/CDesktop.h"
#include "items/CLorvaneDoc.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/DataFolder.h"
#include "platform/GeneralOptions.h"
#include "platform/Prompts.h"
#include "platform/Settings.h"
#include "table/CAuctionGrid.h"
#include "table/CBiddingDialog.h"
#include "table/CBiddingDialogLauncher.h"
#include "table/CBiddingTable.h"
#include "table/CEditCommentDialog.h"
#include "table/CPictureButton.h"
#include "table/DialogIds.h"
#include "table/TableStrings.h"

namespace {

// The 38 call buttons.
std::vector<int> CallCodes() {
    std::vector<int> codes;
    for (const auto& level : kBidCodes) {
        codes.insert(codes.end(), std::begin(level), std::end(level));
    }
    codes.insert(codes.end(), {IDC_PASS, IDC_DOUBLE, IDC_REDOUBLE});
    return codes;
}

// The rank of a bid among the 35 (1C = 0); -1 for other calls.
int BidRank(int code) {
    return CCall::GetLevelOf(code) > 0 ? CCall::GetCallIndex(code) : -1;
}

class CDialogTest {
public:
    explicit CDialogTest(int deals, int startPlayer = -1, int first = 0)
        : m_session(MakeSession(deals)) {
        DealAt(*m_session, first)->SetStartPlayer(startPlayer);
        dialog.LoadDeal(DealAt(*m_session, first));
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
        if (auto* label = qobject_cast<QLabel*>(Control(id))) {
            return label->text();
        }
        if (auto* edit = qobject_cast<QLineEdit*>(Control(id))) {
            return edit->text();
        }
        return qobject_cast<QPlainTextEdit*>(Control(id))->toPlainText();
    }
    QColor TextColour(unsigned id) const {
        return Control(id)->palette().color(QPalette::WindowText);
    }
    CBiddingDeal* Deal() const { return dialog.Table().GetDeal(); }
    CBiddingDeal* Deal(int index) const { return DealAt(*m_session, index); }
    std::string AuctionText() const {
        std::string text;
        Deal()->GetAuction()->GetText(text, false);
        return text;
    }
    int HoldingsShown() const {
        int shown = 0;
        for (unsigned id = IDC_NORTH_SPADES; id <= IDC_LAST_HOLDING; ++id) {
            shown += Text(id).isEmpty() ? 0 : 1;
        }
        return shown;
    }
    CAuctionGrid& Grid() const { return *dialog.findChild<CAuctionGrid*>(); }

private:
    struct Seams {
        Seams(CMemorySettingsStore& settings, CScriptedPrompts& prompts) {
            SetSettingsStore(&settings);
            SetPrompts(&prompts);
            SetVulnerabilityInColour(1);
        }
        ~Seams() {
            SetSettingsStore(nullptr);
            SetPrompts(nullptr);
        }
    };

public:
    CMemorySettingsStore settings;
    CScriptedPrompts prompts;

private:
    // Installed before the dialog is made: it reads the defensive texts when constructed.
    Seams m_seams{settings, prompts};
    std::unique_ptr<CBiddingList> m_session;

public:
    mutable CBiddingDialog dialog;
};

// The image of a widget as it is on the screen.
QImage Shown(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage Picture(unsigned id, QSize size, const QColor& background) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(background);
    QPainter painter(&image);
    painter.drawPixmap(0, 0, PaintPicture(id));
    return image;
}

// Answers the next Edit Comment dialog with the text typed over the old one, then OK.
void AnswerEditComment(const QString& typed) {
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [=] {
        auto* dialog = qobject_cast<CEditCommentDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr && ++*tries < 50) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        if (dialog != nullptr) {
            auto* edit = dialog->findChild<QPlainTextEdit*>(ControlName(IDC_COMMENT));
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Delete);
            QTest::keyClicks(edit, typed);
            QTest::mouseClick(dialog->findChild<QPushButton*>(ControlName(IDOK)), Qt::LeftButton);
        }
    });
    timer->start(10);
}

}  // namespace

class TestBiddingDialog : public QObject {
    Q_OBJECT

private slots:
    // Board 1, North deals, North selected. North and South click their calls; East and West
    // answer from their instruction texts. After each click, exactly the legal calls are
    // enabled: the bids above the lowest one, and Double and Redouble as the step says.
    void WholeDealThroughClicks() {
        CDialogTest t(4, SEAT_NORTH);
        QCOMPARE(t.dialog.windowTitle(), QStringLiteral("Deal Number: A1"));
        QCOMPARE(t.HoldingsShown(), 4);  // North's hand only
        QVERIFY(!t.Text(IDC_NORTH_SPADES).isEmpty());
        QCOMPARE(t.Text(IDC_DEFENDERS_TEXT), QString());

        struct Step {
            int click;
            const char* auction;  // after the defender's answer
            int lowestBid;        // -1: no bid enabled
            bool doubleEnabled, redoubleEnabled;
        };
        const Step steps[] = {
            {0, "", IDC_1C, false, false},
            {IDC_1D, "1D 1H", IDC_1S, true, false},
            {IDC_1S, "1D 1H 1S 2H", IDC_2S, true, false},
            {IDC_2S, "1D 1H 1S 2H 2S P", IDC_2N, false, false},
            {IDC_4S, "1D 1H 1S 2H 2S P 4S P", IDC_4N, false, false},
            {IDC_PASS, "1D 1H 1S 2H 2S P 4S P P P", -1, false, false},
        };
        for (const Step& step : steps) {
            if (step.click != 0) {
                QVERIFY2(t.Enabled(step.click), CCall::GetCallText(step.click).c_str());
                t.Click(step.click);
            }
            QString calls;
            CAuction& auction = *t.Deal()->GetAuction();
            for (int i = 1; i < auction.GetCallCount(); ++i) {  // after West's placeholder
                calls += QString::fromStdString(CCall::GetCallText(auction.GetCallCode(i))) + " ";
            }
            QCOMPARE(calls.trimmed(), QString::fromLatin1(step.auction));
            const bool complete = step.lowestBid == -1;
            for (int code : CallCodes()) {
                bool expected = !complete;
                if (BidRank(code) >= 0) {
                    expected = !complete && BidRank(code) >= BidRank(step.lowestBid);
                } else if (code == IDC_DOUBLE) {
                    expected = step.doubleEnabled;
                } else if (code == IDC_REDOUBLE) {
                    expected = step.redoubleEnabled;
                }
                QVERIFY2(t.Enabled(code) == expected,
                         qPrintable(QStringLiteral("%1 after %2")
                                        .arg(QString::fromStdString(CCall::GetCallText(code)),
                                             QString::fromLatin1(step.auction))));
            }
        }
        // Complete: all four hands, and the defenders' instructions, East first as North dealt.
        QCOMPARE(t.HoldingsShown(), 16);
        QCOMPARE(t.Text(IDC_DEFENDERS_TEXT),
                 QStringLiteral("East bids hearts\nWest supports hearts"));
        QVERIFY(t.Text(IDC_SOUTH_TEXT).endsWith(QStringLiteral("Five spades, 12 points")));
        // The grid shows every call: three full rounds and the round being bid.
        QCOMPARE(t.Grid().model()->rowCount(), 3);
        QCOMPARE(t.Grid().model()->data(t.Grid().model()->index(1, 3)).toString(),
                 QStringLiteral("4S"));
        // Every call button shows its disabled face.
        const QColor background = t.dialog.palette().window().color();
        for (int code : {IDC_1C, IDC_4S, IDC_7N, IDC_PASS}) {
            auto* button = static_cast<CPictureButton*>(t.Control(code));
            QCOMPARE(Shown(button), Picture(button->Faces().disabled, button->size(), background));
        }
    }

    // Taking a call back after the auction was complete marks the selected player as having
    // peeked; his partner later sees that in red.
    void TakeBackMarksThePeek() {
        {
            CDialogTest t(2, SEAT_NORTH);
            for (int code : {IDC_1D, IDC_1S, IDC_2S, IDC_4S, IDC_PASS}) {
                t.Click(code);
            }
            QCOMPARE(t.HoldingsShown(), 16);
            QVERIFY(t.Enabled(IDC_TAKE_BACK));
            t.Click(IDC_TAKE_BACK);
            QVERIFY(t.Deal()->HasPeeked(SEAT_NORTH));
            QCOMPARE(t.HoldingsShown(), 4);  // incomplete again: only North's hand
            QCOMPARE(t.Text(IDC_DEFENDERS_TEXT), QString());
            // North does not see his own peek as a warning.
            QVERIFY(!t.Text(IDC_NORTH_TEXT).contains(QStringLiteral("peeked")));
            QVERIFY(t.TextColour(IDC_NORTH_TEXT) != QColor(255, 0, 0));

            // South, opening the same deal, is told in red.
            t.Deal()->SetStartPlayer(SEAT_SOUTH);
            CBiddingDialog other;
            other.LoadDeal(t.Deal());
            other.show();
            QApplication::processEvents();
            auto* north = qobject_cast<QLabel*>(other.Control(IDC_NORTH_TEXT));
            QVERIFY2(north->text().startsWith(QStringLiteral("Ann has peeked at South's cards.")),
                     qPrintable(north->text()));
            QCOMPARE(north->palette().color(QPalette::WindowText), QColor(255, 0, 0));
            auto* south = qobject_cast<QLabel*>(other.Control(IDC_SOUTH_TEXT));
            QVERIFY(south->palette().color(QPalette::WindowText) != QColor(255, 0, 0));
        }
    }

    // Hide on an unfinished auction asks first; No keeps the deal, Yes hides it and moves on.
    void HideAsksFirst() {
        CDialogTest t(3, SEAT_SOUTH);
        t.Deal(1)->SetHidden(SEAT_NORTH);
        t.Deal(1)->SetComment("Ann: too strong for 1D", true);
        QVERIFY(t.Enabled(IDC_HIDE));
        t.prompts.QueueAnswer(false);
        t.Click(IDC_HIDE);
        QCOMPARE(t.prompts.Messages().size(), 1u);
        QCOMPARE(t.prompts.Messages()[0].text, LoadString(IDS_HIDE_UNFINISHED));
        QCOMPARE(t.Deal(), t.Deal(0));
        QVERIFY(!t.Deal(0)->IsHidden(SEAT_SOUTH));

        t.prompts.QueueAnswer(true);
        t.Click(IDC_HIDE);
        QVERIFY(t.Deal(0)->IsHidden(SEAT_SOUTH));
        QCOMPARE(t.Deal(), t.Deal(1));
        QCOMPARE(t.dialog.windowTitle(), QStringLiteral("Deal Number: A2"));
        QVERIFY(t.dialog.isVisible());
        // Showing A2's comment is no edit of it: A2 stays hidden from North.
        QCOMPARE(t.Text(IDC_COMMENT), QStringLiteral("Ann: too strong for 1D"));
        QVERIFY(t.Deal(1)->IsHidden(SEAT_NORTH));
    }

    // With no player selected there is nothing to hide, and no hand is shown.
    void NoPlayerSelected() {
        CDialogTest t(2);
        QVERIFY(!t.Enabled(IDC_HIDE));
        QCOMPARE(t.HoldingsShown(), 0);
        QVERIFY(t.Enabled(IDC_SELECT_NORTH) && t.Enabled(IDC_SELECT_SOUTH));
        t.Click(IDC_SELECT_SOUTH);
        QCOMPARE(t.HoldingsShown(), 4);
        QVERIFY(!t.Text(IDC_SOUTH_SPADES).isEmpty());
        QVERIFY(!t.Enabled(IDC_SELECT_NORTH) && !t.Enabled(IDC_SELECT_SOUTH));
        QVERIFY(t.Enabled(IDC_HIDE));
    }

    // North skips the deals he has hidden; stepping past his last deal closes the dialog.
    void NavigationSkipsHiddenDeals() {
        CDialogTest t(5, SEAT_NORTH);
        t.Deal(1)->SetHidden(SEAT_NORTH);
        t.Deal(3)->SetHidden(SEAT_NORTH);
        t.Deal(4)->SetHidden(SEAT_NORTH);
        t.Deal(1)->SetHidden(SEAT_SOUTH);
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
        QCOMPARE(t.Deal(), t.Deal(2));  // A2 is hidden from North
        QVERIFY(t.Enabled(IDC_PREVIOUS_DEAL) && !t.Enabled(IDC_NEXT_DEAL));

        // A3 is North's last visible deal: hiding it ends the dialog.
        t.prompts.QueueAnswer(true);
        t.Click(IDC_HIDE);
        QVERIFY(t.Deal(2)->IsHidden(SEAT_NORTH));
        QVERIFY(!t.dialog.isVisible());
    }

    void NavigationWithoutAPlayer() {
        CDialogTest t(5, -1, 3);
        t.Deal(1)->SetHidden(SEAT_NORTH);
        // Board 4: West deals and the auction starts at once; West's letter is starred.
        QCOMPARE(t.Text(IDC_COMPASS_WEST), QStringLiteral("*"));
        QCOMPARE(t.Text(IDC_COMPASS_NORTH), QStringLiteral("N"));
        t.Click(IDC_NEXT_DEAL);
        QCOMPARE(t.Deal(), t.Deal(4));
        QCOMPARE(t.Text(IDC_COMPASS_WEST), QStringLiteral("W"));
        QCOMPARE(t.Text(IDC_COMPASS_NORTH), QStringLiteral("*"));
        t.Click(IDC_FIRST_DEAL);
        QCOMPARE(t.Deal(), t.Deal(0));
        t.Click(IDC_NEXT_DEAL);
        QCOMPARE(t.Deal(), t.Deal(1));  // hidden from North, but nobody is selected
        t.Click(IDC_LAST_DEAL);
        QCOMPARE(t.Deal(), t.Deal(4));
        QVERIFY(!t.Enabled(IDC_NEXT_DEAL));
        QVERIFY(t.prompts.Messages().empty());
    }

    // Focusing the comment box heads it with the player's name, once.
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
        QVERIFY(!t.Deal()->IsHidden(SEAT_SOUTH));  // an edit unhides the deal
        t.dialog.SaveComment();
        QCOMPARE(t.Deal()->GetComment(), std::string("Ann: weak\r\nno"));
    }

    // The holdings cannot be edited: the focus moves on at once.
    void HoldingsPassTheFocusOn() {
        CDialogTest t(2, SEAT_NORTH);
        QTest::mouseClick(t.Control(IDC_NORTH_SPADES), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), t.Control(IDC_NEXT_DEAL));
    }

    // A note edited from the grid makes the call bold; clearing it makes it plain again.
    void EditCommentFromTheGrid() {
        CDialogTest t(2, SEAT_NORTH);
        t.Click(IDC_1D);
        CAuctionGrid& grid = t.Grid();
        const QModelIndex oneDiamond = grid.model()->index(0, 1);
        const QPoint cell = grid.visualRect(oneDiamond).center();
        t.Deal()->SetHidden(SEAT_NORTH);

        AnswerEditComment(QStringLiteral("Four or more"));
        QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, cell);
        QCOMPARE(t.Deal()->GetAuction()->GetCall(1)->GetNote(), std::string("Four or more"));
        QVERIFY(grid.model()->data(oneDiamond, Qt::FontRole).value<QFont>().bold());
        QVERIFY(!t.Deal()->IsHidden(SEAT_NORTH));

        AnswerEditComment(QString());
        QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, cell);
        QCOMPARE(t.Deal()->GetAuction()->GetCall(1)->GetNote(), std::string());
        QVERIFY(!grid.model()->data(oneDiamond, Qt::FontRole).value<QFont>().bold());
    }

    // The log-book keeps the logged deals of each session in board order.
    void LogBookInBoardOrder() {
        QTemporaryDir folder;
        SetDataFolder(folder.path().toStdString() + "/");
        CDialogTest t(3, -1, 2);
        t.Click(IDC_LOG_BOOK);
        t.Click(IDC_FIRST_DEAL);
        t.Click(IDC_LOG_BOOK);

        CLorvaneDoc logBook;
        QVERIFY(logBook.OnOpenDocument(folder.path().toStdString() + "/Log-book.lv"));
        CItem* session = logBook.GetDesktop()->FindChild("Monday");
        QVERIFY(session != nullptr);
        QCOMPARE(session->GetChildCount(), 2);
        QCOMPARE(session->GetChildAt(0)->GetName(), std::string("A1"));
        QCOMPARE(session->GetChildAt(1)->GetName(), std::string("A3"));
        // The deals stay in the user's session.
        QCOMPARE(t.Deal(0)->GetIndex(), 0);
        QCOMPARE(t.Deal(2)->GetIndex(), 2);
        SetDataFolder("");
    }

    void CopyPutsTheDealOnTheClipboard() {
        CDialogTest t(1, SEAT_NORTH);
        t.Click(IDC_COPY);
        // The session's heading, then the deal.
        QVERIFY(t.prompts.Clipboard().find("\r\n\r\nA1\r\nNorth / None") != std::string::npos);
        QCOMPARE(QApplication::focusWidget(), t.Control(IDC_CLOSE));  // the only deal
    }

    // Close asks while the selected player is to call; Escape does not.
    void CloseAndEscape() {
        CDialogTest t(1, SEAT_NORTH);
        t.prompts.QueueAnswer(false);
        t.Click(IDC_CLOSE);
        QVERIFY(t.dialog.isVisible());
        QCOMPARE(t.prompts.Messages().size(), 1u);
        QTest::keyClick(&t.dialog, Qt::Key_Escape);
        QVERIFY(!t.dialog.isVisible());
        QCOMPARE(t.prompts.Messages().size(), 1u);
    }

    // The vulnerability in the centre square follows the General option.
    void VulnerabilityColourOption() {
        CDialogTest t(1, SEAT_NORTH);  // board 1: nobody vulnerable
        const QRect square = t.Control(IDC_COMPASS_FRAME)->geometry();
        const auto centre = [&] { return Shown(&t.dialog).pixelColor(square.center()); };
        QCOMPARE(centre().green() > 120 && centre().red() < 80, true);  // the green cross
        SetVulnerabilityInColour(0);
        t.dialog.update();
        QCOMPARE(centre(), t.dialog.palette().window().color());  // plain: nothing at all
        SetVulnerabilityInColour(1);
    }

    void HelpShowsTheDialogsTopic() {
        CDialogTest t(1);
        t.Click(IDC_HELP_BUTTON);
        QVERIFY(CHelpWindow::Instance() != nullptr && CHelpWindow::Instance()->isVisible());
        QCOMPARE(CHelpWindow::Instance()->Browser()->source().toString(),
                 CHelpWindow::TopicUrl(IDD_BIDDING));
        CHelpWindow::Instance()->close();
    }

    // A bidding deal's Open runs the dialog modally and keeps the comment it ends with.
    void OpenThroughTheLauncher() {
        CMemorySettingsStore settings;
        SetSettingsStore(&settings);
        InstallBiddingDialogLauncher();
        auto session = MakeSession(2);
        CBiddingDeal* deal = DealAt(*session, 1);
        deal->SetStartPlayer(SEAT_SOUTH);
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<CBiddingDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            auto* comment = qobject_cast<QPlainTextEdit*>(dialog->Control(IDC_COMMENT));
            comment->setFocus();
            QTest::keyClicks(comment, QStringLiteral("lead a heart"));
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QVERIFY(!deal->Open());
        QCOMPARE(deal->GetComment(), std::string("Bob: lead a heart"));
        QCOMPARE(deal->GetStartPlayer(), -1);
        SetBiddingDialogLauncher(nullptr);
        SetSettingsStore(nullptr);
    }
};

QTEST_MAIN(TestBiddingDialog)
#include "test_bidding_dialog.moc"
