#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QWizard>

#include "ShellFixture.h"
#include "app/CGuiDocument.h"
#include "app/CLorvaneChildFrame.h"
#include "app/CLorvaneMainFrame.h"
#include "app/CLorvaneView.h"
#include "app/CQtItemTree.h"
#include "bidding/BiddingDialogLauncher.h"
#include "bidding/CBiddingDeal.h"
#include "bidding/CBiddingList.h"
#include "deals/Seats.h"
#include "items/CDesktop.h"
#include "items/ItemIds.h"
#include "platform/Settings.h"

namespace {
const char kTwoSessions[] =
    "61463003\r\n6146300Desktop\r\n"
    "6180800A\r\n6180801Ann\r\n6180802Bob\r\n6180899\r\n"
    "6180800B\r\n6180899\r\n"
    "6146399\r\n";

// A document with the sessions A (Ann and Bob) and B (no participants).
struct SessionSetup {
    SessionSetup() {
        shell.Start({shell.WriteDocument(QStringLiteral("two.lv"), kTwoSessions)});
        desktop = shell.Frame().ActiveChild()->GetDocument()->Doc().GetDesktop();
        a = dynamic_cast<CBiddingList*>(desktop->GetChildAt(0));
        b = dynamic_cast<CBiddingList*>(desktop->GetChildAt(1));
    }
    CGuiDocument& document() { return *shell.Frame().ActiveChild()->GetDocument(); }
    // Runs the command; inside, action drives the sheet that it shows.
    void run(unsigned command, std::function<void(QDialog*)> action) {
        bool shown = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            shown = dialog != nullptr;
            if (dialog != nullptr) {
                action(dialog);
                if (dialog->isVisible()) {
                    dialog->reject();
                }
            }
        });
        shell.Frame().UpdateCommands();
        shell.Frame().Action(command)->trigger();
        QVERIFY2(shown, "no sheet was shown");
    }
    std::vector<std::string> sessionNames() {
        std::vector<std::string> names;
        for (int i = 0; i < desktop->GetChildCount(); ++i) {
            names.push_back(desktop->GetChildAt(i)->GetName());
        }
        return names;
    }

    ShellFixture shell;
    CDesktop* desktop = nullptr;
    CBiddingList* a = nullptr;
    CBiddingList* b = nullptr;
};

QString Example(const char* name) {
    return QStringLiteral(EXAMPLES_DIR "/") + name;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// Notes which deal the bidding table was opened on, and for whom.
class CRecordingLauncher : public IBiddingDialogLauncher {
public:
    void RunBiddingDialog(CBiddingDeal& deal) override {
        opened.push_back(deal.GetName() + " " + std::to_string(deal.GetStartPlayer()));
    }
    std::vector<std::string> opened;
};

template <typename T>
T* Control(QWidget* dialog, int id) {
    return dialog->findChild<T*>(QStringLiteral("control%1").arg(id));
}

QAbstractButton* SheetButton(QDialog* sheet, QDialogButtonBox::StandardButton which) {
    return sheet->findChild<QDialogButtonBox*>(QStringLiteral("buttons"))->button(which);
}

bool Shows(QAbstractButton* button) {
    return button != nullptr && button->isVisible() && button->isEnabled();
}
}  // namespace

class BiddingSheetTest : public QObject {
    Q_OBJECT

private slots:
    void PropertiesEditTheSession();
    void PropertiesKeepTheNamingRule_data();
    void PropertiesKeepTheNamingRule();
    void OptionsShowAndStoreTheDefaults();
    void OptionsCancelStoresNothing();
    void InsertWizardWaitsForBothParticipants();
    void InsertedSessionsGetUniqueNames_data();
    void InsertedSessionsGetUniqueNames();
    void CancelledInsertAddsNothing();
    void InsertImportsARealPbnFile_data();
    void InsertImportsARealPbnFile();
    void InsertCanStartBiddingAtOnce();
    void ImportAndExportOnASession();
    void TheSampleDocumentIsReadyToBid();
};

void BiddingSheetTest::PropertiesEditTheSession() {
    SessionSetup setup;
    setup.a->Select();
    setup.run(ID_PROPERTIES, [](QDialog* sheet) {
        QCOMPARE(sheet->windowTitle(), QStringLiteral("Bidding Session Properties"));
        QCOMPARE(Control<QLineEdit>(sheet, 1000)->text(), QStringLiteral("A"));
        QVERIFY(Control<QLineEdit>(sheet, 1000)->isEnabled());
        QCOMPARE(Control<QLineEdit>(sheet, 1186)->text(), QStringLiteral("Ann"));
        QVERIFY(!Control<QRadioButton>(sheet, 1247)->isEnabled());
        QVERIFY(Control<QRadioButton>(sheet, 1247)->isChecked());
        QAbstractButton* ok = SheetButton(sheet, QDialogButtonBox::Ok);
        QVERIFY(ok->isEnabled());
        Control<QLineEdit>(sheet, 1187)->clear();
        QVERIFY(!ok->isEnabled());  // at once, without leaving the field
        Control<QLineEdit>(sheet, 1187)->setText(QStringLiteral("Carol"));
        QVERIFY(ok->isEnabled());
        Control<QLineEdit>(sheet, 1000)->setText(QStringLiteral("Club night"));
        ok->click();
    });
    QCOMPARE(setup.a->GetName(), std::string("Club night"));
    QCOMPARE(setup.a->GetSouthName(), std::string("Carol"));
    QCOMPARE(setup.a->GetNorthName(), std::string("Ann"));
    QVERIFY(setup.document().IsModified());
    QCOMPARE(CQtItemTree::NodeOf(setup.a)->text(0), QStringLiteral("Club night"));
}

void BiddingSheetTest::PropertiesKeepTheNamingRule_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("a sibling's name") << "B"
                                      << "Cannot rename A.\n\nAn item named B already exists.";
    QTest::newRow("empty") << ""
                           << "The item must have a name.";
}

void BiddingSheetTest::PropertiesKeepTheNamingRule() {
    QFETCH(QString, typed);
    QFETCH(QString, message);
    SessionSetup setup;
    setup.a->Select();
    bool stayedOpen = false;
    setup.run(ID_PROPERTIES, [&](QDialog* sheet) {
        Control<QLineEdit>(sheet, 1000)->setText(typed);
        SheetButton(sheet, QDialogButtonBox::Ok)->click();
        stayedOpen = sheet->isVisible();
    });
    QVERIFY(stayedOpen);
    QCOMPARE(setup.shell.prompts.Messages().size(), size_t{1});
    QCOMPARE(QString::fromStdString(setup.shell.prompts.Messages()[0].text), message);
    QCOMPARE(setup.sessionNames(), (std::vector<std::string>{"A", "B"}));
    QVERIFY(!setup.document().IsModified());
}

void BiddingSheetTest::OptionsShowAndStoreTheDefaults() {
    SessionSetup setup;
    setup.run(ID_OPTIONS_BIDDING_SESSION, [](QDialog* sheet) {
        QCOMPARE(sheet->windowTitle(), QStringLiteral("Bidding Session Options"));
        QVERIFY(!Control<QLineEdit>(sheet, 1000)->isEnabled());
        QVERIFY(Control<QRadioButton>(sheet, 1247)->isChecked());
        QVERIFY(Control<QRadioButton>(sheet, 1248)->isChecked());  // Bridge D/A
        QVERIFY(Control<QRadioButton>(sheet, 1251)->isChecked());  // brace comment
        QVERIFY(Control<QLineEdit>(sheet, 1186)->text().isEmpty());
        QVERIFY(SheetButton(sheet, QDialogButtonBox::Ok)->isEnabled());  // names may be empty
        Control<QRadioButton>(sheet, 1005)->setChecked(true);
        Control<QLineEdit>(sheet, 1186)->setText(QStringLiteral("Ann"));
        Control<QRadioButton>(sheet, 1249)->setChecked(true);  // PBN
        Control<QRadioButton>(sheet, 1250)->setChecked(true);  // tag pair value
        SheetButton(sheet, QDialogButtonBox::Ok)->click();
    });
    QCOMPARE(GetProfileInt("CBiddingList", "StartBidding", -1), 1);
    QCOMPARE(GetProfileString("CBiddingList", "North", "-"), std::string("Ann"));
    QCOMPARE(GetProfileString("CBiddingList", "South", "-"), std::string());
    QCOMPARE(GetProfileInt("CBiddingList", "FileType", -1), 1);
    QCOMPARE(GetProfileInt("CBiddingList", "PBNInfo", -1), 2);
    // Existing sessions keep their own participants.
    QCOMPARE(setup.b->GetNorthName(), std::string());
}

void BiddingSheetTest::OptionsCancelStoresNothing() {
    SessionSetup setup;
    setup.run(ID_OPTIONS_BIDDING_SESSION, [](QDialog* sheet) {
        Control<QLineEdit>(sheet, 1186)->setText(QStringLiteral("Ann"));
        Control<QRadioButton>(sheet, 1249)->setChecked(true);
        SheetButton(sheet, QDialogButtonBox::Cancel)->click();
    });
    for (const char* key : {"StartBidding", "North", "South", "FileType", "PBNInfo"}) {
        QCOMPARE(GetProfileString("CBiddingList", key, "absent"), std::string("absent"));
    }
}

void BiddingSheetTest::InsertWizardWaitsForBothParticipants() {
    SessionSetup setup;
    setup.run(ID_INSERT_BIDDING_SESSION, [](QDialog* dialog) {
        auto* wizard = qobject_cast<QWizard*>(dialog);
        QVERIFY(wizard != nullptr);
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Bidding Session Properties"));
        // Step 1, the deal file: Next only.
        QVERIFY(Control<QLineEdit>(wizard, 1003) != nullptr);
        QVERIFY(Shows(wizard->button(QWizard::NextButton)));
        QVERIFY(!Shows(wizard->button(QWizard::BackButton)));
        QVERIFY(!Shows(wizard->button(QWizard::FinishButton)));
        wizard->next();
        // Step 2, the participants: Back, and Finish once both are named.
        QVERIFY(Shows(wizard->button(QWizard::BackButton)));
        QVERIFY(!Shows(wizard->button(QWizard::FinishButton)));
        Control<QLineEdit>(wizard, 1186)->setText(QStringLiteral("Ann"));
        QVERIFY(!Shows(wizard->button(QWizard::FinishButton)));
        Control<QLineEdit>(wizard, 1187)->setText(QStringLiteral("Bob"));
        QVERIFY(Shows(wizard->button(QWizard::FinishButton)));
        Control<QLineEdit>(wizard, 1000)->setText(QStringLiteral("Monday"));
        wizard->button(QWizard::FinishButton)->click();
    });
    QCOMPARE(setup.sessionNames(), (std::vector<std::string>{"A", "B", "Monday"}));
    auto* inserted = dynamic_cast<CBiddingList*>(setup.desktop->GetChildAt(2));
    QCOMPARE(inserted->GetNorthName(), std::string("Ann"));
    QCOMPARE(inserted->GetSouthName(), std::string("Bob"));
    QCOMPARE(setup.shell.View().GetSelectedItem(), inserted);
    QCOMPARE(setup.shell.View().Tree().GetEditedItem(), inserted);  // ready to be renamed
    QVERIFY(setup.document().IsModified());
}

void BiddingSheetTest::InsertedSessionsGetUniqueNames_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no name typed") << ""
                                   << "Bidding";
    QTest::newRow("an existing name") << "A"
                                      << "A (2)";
}

void BiddingSheetTest::InsertedSessionsGetUniqueNames() {
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    SessionSetup setup;
    setup.run(ID_INSERT_BIDDING_SESSION, [&](QDialog* dialog) {
        auto* wizard = qobject_cast<QWizard*>(dialog);
        wizard->next();
        Control<QLineEdit>(wizard, 1000)->setText(typed);
        Control<QLineEdit>(wizard, 1186)->setText(QStringLiteral("Ann"));
        Control<QLineEdit>(wizard, 1187)->setText(QStringLiteral("Bob"));
        wizard->button(QWizard::FinishButton)->click();
    });
    QCOMPARE(QString::fromStdString(setup.sessionNames().back()), expected);
}

void BiddingSheetTest::CancelledInsertAddsNothing() {
    SessionSetup setup;
    setup.run(ID_INSERT_BIDDING_SESSION, [](QDialog* dialog) {
        auto* wizard = qobject_cast<QWizard*>(dialog);
        wizard->next();
        Control<QLineEdit>(wizard, 1186)->setText(QStringLiteral("Ann"));
        Control<QLineEdit>(wizard, 1187)->setText(QStringLiteral("Bob"));
        wizard->reject();
    });
    QCOMPARE(setup.sessionNames(), (std::vector<std::string>{"A", "B"}));
    QVERIFY(!setup.document().IsModified());
}

void BiddingSheetTest::InsertImportsARealPbnFile_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("named after the file's event") << ""
                                                  << "East opens";
    QTest::newRow("a typed name wins") << "Tuesday"
                                       << "Tuesday";
}

void BiddingSheetTest::InsertImportsARealPbnFile() {
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    SessionSetup setup;
    setup.shell.prompts.QueueFileName(Example("east-opens.pbn").toStdString());
    setup.run(ID_INSERT_BIDDING_SESSION, [&](QDialog* dialog) {
        auto* wizard = qobject_cast<QWizard*>(dialog);
        Control<QPushButton>(wizard, 1065)->click();  // Browse, which moves on
        QCOMPARE(wizard->currentPage()->objectName(), QStringLiteral("generalPage"));
        wizard->back();
        QCOMPARE(Control<QLineEdit>(wizard, 1003)->text(), Example("east-opens.pbn"));
        wizard->next();
        Control<QLineEdit>(wizard, 1000)->setText(typed);
        Control<QLineEdit>(wizard, 1186)->setText(QStringLiteral("Ann"));
        Control<QLineEdit>(wizard, 1187)->setText(QStringLiteral("Bob"));
        wizard->button(QWizard::FinishButton)->click();
    });
    QCOMPARE(QString::fromStdString(setup.sessionNames().back()), expected);
    auto* session = dynamic_cast<CBiddingList*>(setup.desktop->GetChildAt(2));
    QCOMPARE(session->GetChildCount(), 8);
    auto* first = dynamic_cast<CBiddingDeal*>(session->GetChildAt(0));
    QCOMPARE(first->GetName(), std::string("A1"));
    QCOMPARE(first->GetSeatText(SEAT_EAST), std::string("East opens 1S"));
    QCOMPARE(first->GetSeatText(SEAT_WEST), std::string("West supports spades"));
    // The deals have their nodes in the tree.
    QCOMPARE(CQtItemTree::NodeOf(session)->childCount(), 8);
}

void BiddingSheetTest::InsertCanStartBiddingAtOnce() {
    SessionSetup setup;
    CRecordingLauncher launcher;
    SetBiddingDialogLauncher(&launcher);
    setup.shell.prompts.QueueFileName(Example("strong-no-trump.pbn").toStdString());
    setup.run(ID_INSERT_BIDDING_SESSION, [&](QDialog* dialog) {
        auto* wizard = qobject_cast<QWizard*>(dialog);
        Control<QPushButton>(wizard, 1065)->click();
        Control<QRadioButton>(wizard, 1007)->setChecked(true);  // Select South
        Control<QLineEdit>(wizard, 1186)->setText(QStringLiteral("Ann"));
        Control<QLineEdit>(wizard, 1187)->setText(QStringLiteral("Bob"));
        wizard->button(QWizard::FinishButton)->click();
    });
    SetBiddingDialogLauncher(nullptr);
    QCOMPARE(launcher.opened, std::vector<std::string>{"A1 3"});  // South is seat 3
    QVERIFY(!setup.shell.View().Tree().IsEditing(false));
}

void BiddingSheetTest::ImportAndExportOnASession() {
    SessionSetup setup;
    setup.b->Select();
    setup.shell.Frame().UpdateCommands();
    QVERIFY(setup.shell.Frame().Action(ID_IMPORT)->isEnabled());
    QVERIFY(setup.shell.Frame().Action(ID_EXPORT)->isEnabled());

    setup.shell.prompts.QueueFileName(Example("weak-jump-overcalls.pbn").toStdString());
    setup.shell.Frame().Action(ID_IMPORT)->trigger();
    setup.shell.prompts.QueueFileName(Example("strong-no-trump.pbn").toStdString());
    setup.shell.Frame().Action(ID_IMPORT)->trigger();
    QCOMPARE(setup.b->GetChildCount(), 16);
    QCOMPARE(setup.b->GetChildAt(15)->GetName(), std::string("A16"));  // numbered on
    QCOMPARE(setup.b->GetName(), std::string("Strong no trump"));      // the last event
    QVERIFY(setup.document().IsModified());

    const QString exported = setup.shell.TempPath(QStringLiteral("out.pbn"));
    setup.shell.prompts.QueueFileName(exported.toStdString());
    setup.shell.Frame().Action(ID_EXPORT)->trigger();
    QCOMPARE(ReadAll(exported).count("[Deal \""), 16);

    // A deal has neither command.
    static_cast<CTreeItem*>(setup.b->GetChildAt(0))->Select();
    setup.shell.Frame().UpdateCommands();
    QVERIFY(!setup.shell.Frame().Action(ID_IMPORT)->isEnabled());
    QVERIFY(!setup.shell.Frame().Action(ID_EXPORT)->isEnabled());
}

void BiddingSheetTest::TheSampleDocumentIsReadyToBid() {
    ShellFixture shell;
    shell.Start({Example("Sample.lv")});
    QVERIFY(shell.prompts.Messages().empty());
    CDesktop* desktop = shell.Frame().ActiveChild()->GetDocument()->Doc().GetDesktop();
    QCOMPARE(desktop->GetChildCount(), 3);
    for (int i = 0; i < desktop->GetChildCount(); ++i) {
        auto* session = dynamic_cast<CBiddingList*>(desktop->GetChildAt(i));
        QCOMPARE(session->GetChildCount(), 8);
        QCOMPARE(session->GetNorthName(), std::string("Ann"));
        auto* deal = dynamic_cast<CBiddingDeal*>(session->GetChildAt(0));
        QVERIFY(!deal->GetSeatText(SEAT_EAST).empty());
    }
    QCOMPARE(shell.View().GetSelectedItem(), desktop->GetChildAt(0));
}

QTEST_MAIN(BiddingSheetTest)
#include "test_bidding_sheet.moc"
