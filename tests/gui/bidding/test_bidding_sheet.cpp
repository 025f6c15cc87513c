#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
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
#include "bidding/CBiddingList.h"
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

QTEST_MAIN(BiddingSheetTest)
#include "test_bidding_sheet.moc"
