#include <QAction>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QWizard>

#include "ShellFixture.h"
#include "core/bidding/BiddingDialogLauncher.h"
#include "core/bidding/CBiddingDeal.h"
#include "core/bidding/CBiddingList.h"
#include "core/deals/Seats.h"
#include "core/items/ItemIds.h"
#include "core/platform/Settings.h"
#include "gui/app/CQtItemTree.h"
#include "gui/app/CQtStatusDisplay.h"

namespace {
// The sessions A (Ann and Bob) and B (no participants).
const char kTwoSessions[] =
    "61463003\r\n6146300Desktop\r\n6180800A\r\n6180801Ann\r\n6180802Bob\r\n6180899\r\n"
    "6180800B\r\n6180899\r\n6146399\r\n";

QString Example(const QString& name) {
    return name.isEmpty() ? name : QStringLiteral(EXAMPLES_DIR "/") + name;
}

void Type(QWidget* dialog, int control, const QString& text) {
    Control<QLineEdit>(dialog, control)->setText(text);
}

bool Shows(QAbstractButton* button) {
    return button != nullptr && button->isVisible() && button->isEnabled();
}

// Notes which deal the bidding table was opened on, and for whom.
class CRecordingLauncher : public IBiddingDialogLauncher {
public:
    void RunBiddingDialog(CBiddingDeal& deal) override {
        opened += deal.GetName() + " " + std::to_string(deal.GetStartPlayer());
    }
    std::string opened;
};

struct SessionSetup {
    SessionSetup() {
        shell.Start({shell.WriteDocument("two.lv", kTwoSessions)});
        a = Session(0);
        b = Session(1);
    }
    CBiddingList* Session(int index) {
        return dynamic_cast<CBiddingList*>(shell.Desktop()->GetChildAt(index));
    }
    QString Names() {
        QStringList names;
        for (int i = 0; i < shell.Desktop()->GetChildCount(); ++i) {
            names << QString::fromStdString(shell.Desktop()->GetChildAt(i)->GetName());
        }
        return names.join(' ');
    }

    ShellFixture shell;
    CBiddingList* a = nullptr;
    CBiddingList* b = nullptr;
};
}  // namespace

class BiddingSheetTest : public QObject {
    Q_OBJECT

private slots:
    void PropertiesEditTheSession() {
        SessionSetup setup;
        setup.a->Select();
        QVERIFY(setup.shell.Drive(ID_PROPERTIES, [&](QDialog* sheet) {
            QCOMPARE(Control<QLineEdit>(sheet, 1186)->text(), QStringLiteral("Ann"));
            auto* ok = sheet->findChild<QDialogButtonBox*>("buttons")->button(QDialogButtonBox::Ok);
            Type(sheet, 1187, "");
            QVERIFY(!ok->isEnabled());  // at once, without leaving the field
            Type(sheet, 1187, "Carol");
            // A sibling's name is refused and the sheet stays open for the correction.
            Type(sheet, 1000, "B");
            ok->click();
            QVERIFY(sheet->isVisible());
            QCOMPARE(setup.shell.LastMessage(),
                     "Cannot rename A.\n\nAn item named B already exists.");
            QVERIFY(!setup.shell.Document().IsModified());
            Type(sheet, 1000, "Club night");
            ok->click();
            QVERIFY(!sheet->isVisible());
        }));
        QCOMPARE(setup.Names(), QStringLiteral("Club night B"));
        QCOMPARE(setup.a->GetSouthName(), std::string("Carol"));
        QCOMPARE(CQtItemTree::NodeOf(setup.a)->text(0), QStringLiteral("Club night"));
        QVERIFY(setup.shell.Document().IsModified());
    }

    void OptionsStoreTheDefaultsOnlyOnOk_data() {
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancel") << false;
    }

    void OptionsStoreTheDefaultsOnlyOnOk() {
        QFETCH(bool, ok);
        SessionSetup setup;
        QVERIFY(setup.shell.Drive(ID_OPTIONS_BIDDING_SESSION, [&](QDialog* sheet) {
            QVERIFY(!Control<QLineEdit>(sheet, 1000)->isEnabled());
            Control<QRadioButton>(sheet, 1005)->setChecked(true);  // start bidding as North
            Type(sheet, 1186, "Ann");
            Control<QRadioButton>(sheet, 1249)->setChecked(true);  // PBN
            Control<QRadioButton>(sheet, 1250)->setChecked(true);  // tag pair value
            Press(sheet, ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel);
        }));
        const char* const keys[] = {"StartBidding", "North", "South", "FileType", "PBNInfo"};
        const char* const stored[] = {"1", "Ann", "", "1", "2"};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(GetProfileString("CBiddingList", keys[i], "absent"),
                     ok ? stored[i] : "absent");
        }
        QCOMPARE(setup.b->GetNorthName(), std::string());  // existing sessions keep their own
    }

    void InsertWizard_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("start");  // the start-bidding radio button, 0 for none
        QTest::addColumn<bool>("finish");
        QTest::addColumn<QString>("names");  // the Desktop's sessions afterwards
        QTest::addColumn<int>("deals");
        QTest::addColumn<QString>("opened");  // the deal the bidding table opened on, and seat
        QTest::newRow("no deal file") << ""
                                      << "Monday" << 0 << true << "A B Monday" << 0 << "";
        QTest::newRow("named after the file's event")
            << "east-opens.pbn"
            << "" << 0 << true << "A B East opens" << 8 << "";
        QTest::newRow("a typed name wins") << "east-opens.pbn"
                                           << "Tuesday" << 0 << true << "A B Tuesday" << 8 << "";
        QTest::newRow("start bidding as South")
            << "strong-no-trump.pbn"
            << "" << 1007 << true << "A B Strong no trump" << 8 << "A1 3";
        QTest::newRow("cancelled") << "east-opens.pbn"
                                   << "" << 0 << false << "A B" << 0 << "";
    }

    void InsertWizard() {
        QFETCH(QString, file);
        QFETCH(QString, typed);
        QFETCH(int, start);
        QFETCH(bool, finish);
        QFETCH(QString, names);
        QFETCH(int, deals);
        QFETCH(QString, opened);
        SessionSetup setup;
        CRecordingLauncher launcher;
        SetBiddingDialogLauncher(&launcher);
        setup.shell.prompts.QueueFileName(Example(file).toStdString());
        QVERIFY(setup.shell.Drive(ID_INSERT_BIDDING_SESSION, [&](QDialog* dialog) {
            auto* wizard = qobject_cast<QWizard*>(dialog);
            QVERIFY(!Shows(wizard->button(QWizard::BackButton)));
            if (file.isEmpty()) {
                wizard->next();
            } else {
                Control<QPushButton>(wizard, 1065)->click();  // Browse, which moves on
                QCOMPARE(wizard->currentPage()->objectName(), QStringLiteral("generalPage"));
            }
            if (start != 0) {
                Control<QRadioButton>(wizard, start)->setChecked(true);
            }
            Type(wizard, 1000, typed);
            Type(wizard, 1186, "Ann");
            QVERIFY(!Shows(wizard->button(QWizard::FinishButton)));  // waits for both names
            Type(wizard, 1187, "Bob");
            QVERIFY(Shows(wizard->button(QWizard::FinishButton)));
            if (finish) {
                wizard->button(QWizard::FinishButton)->click();
            }
        }));
        SetBiddingDialogLauncher(nullptr);
        QCOMPARE(setup.Names(), names);
        QCOMPARE(launcher.opened, opened.toStdString());
        QCOMPARE(setup.shell.Document().IsModified(), finish);
        if (!finish) {
            return;
        }
        CBiddingList* inserted = setup.Session(2);
        QCOMPARE(inserted->GetSouthName(), std::string("Bob"));
        QCOMPARE(inserted->GetChildCount(), deals);
        QCOMPARE(CQtItemTree::HasExpandButton(CQtItemTree::NodeOf(inserted)), deals > 0);
        QCOMPARE(setup.shell.View().GetSelectedItem(), inserted);
        // Ready to be renamed, unless the bidding table took over.
        QCOMPARE(setup.shell.View().Tree().GetEditedItem(), opened.isEmpty() ? inserted : nullptr);
    }

    void ImportAndExportOnASession() {
        SessionSetup setup;
        ShellFixture& shell = setup.shell;
        setup.b->Select();
        QVERIFY(shell.Enabled(ID_IMPORT) && shell.Enabled(ID_EXPORT));
        shell.prompts.QueueFileName(Example("weak-jump-overcalls.pbn").toStdString());
        shell.Action(ID_IMPORT)->trigger();
        shell.prompts.QueueFileName(Example("strong-no-trump.pbn").toStdString());
        shell.Action(ID_IMPORT)->trigger();
        QCOMPARE(setup.b->GetChildCount(), 16);
        QCOMPARE(setup.b->GetChildAt(15)->GetName(), std::string("A16"));  // numbered on
        QCOMPARE(setup.b->GetName(), std::string("Strong no trump"));      // the last event
        QVERIFY(shell.Document().IsModified());

        const QString exported = shell.TempPath("out.pbn");
        shell.prompts.QueueFileName(exported.toStdString());
        shell.Action(ID_EXPORT)->trigger();
        QCOMPARE(ReadAll(exported).count("[Deal \""), 16);

        static_cast<CTreeItem*>(setup.b->GetChildAt(0))->Select();  // a deal has neither command
        QVERIFY(!shell.Enabled(ID_IMPORT) && !shell.Enabled(ID_EXPORT));
    }

    // After an Insert, the window manager's next activation of the main window leaves the
    // document the user worked in at the front.
    void InsertKeepsTheActiveDocument() {
        ShellFixture shell;
        shell.Start({shell.WriteDocument("one.lv", kTwoSessions),
                     shell.WriteDocument("two.lv", kTwoSessions)});
        CLorvaneMainFrame& frame = shell.Frame();
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        CLorvaneChildFrame* worked = frame.ActiveChild();
        QCOMPARE(worked->GetDocument()->GetTitle(), QStringLiteral("two.lv"));
        shell.prompts.QueueFileName(Example("east-opens.pbn").toStdString());
        QVERIFY(shell.Drive(ID_INSERT_BIDDING_SESSION, [&](QDialog* dialog) {
            auto* wizard = qobject_cast<QWizard*>(dialog);
            Control<QPushButton>(wizard, 1065)->click();
            Type(wizard, 1186, "Ann");
            Type(wizard, 1187, "Bob");
            wizard->button(QWizard::FinishButton)->click();
        }));
        QCOMPARE(worked->GetDocument()->Doc().GetDesktop()->GetChildCount(), 3);
        // The window comes back with the new session's label being edited; going away ends
        // that edit.
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QVERIFY(worked->GetView()->LabelEditor() != nullptr);
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QCOMPARE(frame.ActiveChild(), worked);
    }

    // An import says what came of it: the count in the status bar, or a message when the
    // file held no deal or deals without cards.
    void ImportTellsWhatItFound_data() {
        QTest::addColumn<QString>("content");  // empty: the example east-opens.pbn
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("deals");
        QTest::newRow("deals") << ""
                               << ""
                               << "8 deals imported from east-opens.pbn." << 8;
        QTest::newRow("no deal") << "# a dealer script\nproduce 10\n"
                                 << "No deals were found in in.pbn."
                                 << "" << 0;
        QTest::newRow("a deal without cards")
            << "[Board \"1\"]\n[Deal \"N:...\"]\n"
            << "One of the deals imported from in.pbn holds no cards at all: there is nothing "
               "to bid on it."
            << "1 deal imported from in.pbn." << 1;
    }

    void ImportTellsWhatItFound() {
        QFETCH(QString, content);
        QFETCH(QString, message);
        QFETCH(QString, status);
        QFETCH(int, deals);
        SessionSetup setup;
        ShellFixture& shell = setup.shell;
        const QString path = content.isEmpty()
                                 ? Example("east-opens.pbn")
                                 : shell.WriteDocument("in.pbn", content.toStdString());
        setup.b->Select();
        shell.prompts.QueueFileName(path.toStdString());
        shell.Action(ID_IMPORT)->trigger();
        QCOMPARE(setup.b->GetChildCount(), deals);
        QCOMPARE(QString::fromStdString(shell.LastMessage()), message);
        if (!status.isEmpty()) {
            QCOMPARE(shell.Frame().StatusDisplay().MessagePane()->text(), status);
        }
    }

    // A name typed in the wizard that names no file is refused on the page; a file that
    // cannot be read brings up the file dialog, and cancelling it adds nothing.
    void InsertWizardWithAWrongFile() {
        SessionSetup setup;
        ShellFixture& shell = setup.shell;
        const QString unreadable = shell.TempPath("folder.pbn");
        QDir().mkpath(unreadable);
        QVERIFY(shell.Drive(ID_INSERT_BIDDING_SESSION, [&](QDialog* dialog) {
            auto* wizard = qobject_cast<QWizard*>(dialog);
            Type(wizard, 1003, shell.TempPath("mistyped"));
            wizard->next();
            QCOMPARE(wizard->currentPage()->objectName(), QStringLiteral("dealPage"));
            QVERIFY(QString::fromStdString(shell.LastMessage())
                        .startsWith("The file " + shell.TempPath("mistyped.")));
            Type(wizard, 1003, unreadable);
            wizard->next();
            Type(wizard, 1186, "Ann");
            Type(wizard, 1187, "Bob");
            wizard->button(QWizard::FinishButton)->click();  // the file dialog is cancelled
        }));
        QCOMPARE(shell.prompts.FileChoices().size(), size_t{1});
        QCOMPARE(setup.Names(), QStringLiteral("A B"));
        QVERIFY(!shell.Document().IsModified());
    }

    // File > Open of a deal file offers its deals in a new document.
    void OpeningADealFileImportsIt() {
        SessionSetup setup;
        ShellFixture& shell = setup.shell;
        shell.prompts.QueueAnswer(true);
        QVERIFY(shell.App().OpenDocumentFile(Example("east-opens.pbn")) != nullptr);
        QCOMPARE(shell.prompts.Messages().front().text,
                 std::string("east-opens.pbn is a deal file, not a Lorvane document.\n\nDo you "
                             "want to import its deals into a new document?"));
        QCOMPARE(shell.Frame().Children().size(), 2);
        auto* session = dynamic_cast<CBiddingList*>(shell.Desktop()->GetChildAt(0));
        QVERIFY(session != nullptr);
        QCOMPARE(session->GetChildCount(), 8);
        QVERIFY(!shell.App().RecentFiles().Entries().contains(Example("east-opens.pbn")));

        shell.prompts.QueueAnswer(false);
        QVERIFY(shell.App().OpenDocumentFile(Example("east-opens.pbn")) == nullptr);
        QCOMPARE(shell.Frame().Children().size(), 2);
    }

    void TheSampleDocumentIsReadyToBid() {
        ShellFixture shell;
        shell.Start({Example("Sample.lv")});
        QVERIFY(shell.prompts.Messages().empty());
        QCOMPARE(shell.Desktop()->GetChildCount(), 4);
        for (int i = 0; i < 4; ++i) {
            auto* session = dynamic_cast<CBiddingList*>(shell.Desktop()->GetChildAt(i));
            auto* deal = dynamic_cast<CBiddingDeal*>(session->GetChildAt(0));
            QVERIFY(session->GetChildCount() == 8 && session->GetNorthName() == "Ann");
            QVERIFY(!deal->GetSeatText(SEAT_EAST).empty());
        }
        QCOMPARE(shell.View().GetSelectedItem(), shell.Desktop()->GetChildAt(0));
    }
};

QTEST_MAIN(BiddingSheetTest)
#include "test_bidding_sheet.moc"
