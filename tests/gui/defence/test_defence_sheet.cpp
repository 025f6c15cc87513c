#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "ShellFixture.h"
#include "app/CLorvaneMainFrame.h"
#include "defence/CAutomaticDefensiveBidding.h"
#include "items/ItemIds.h"
#include "platform/Settings.h"

namespace {
// Every text of the sheet: its page's dialog id, its control id and its key.
struct FieldCase {
    unsigned page;
    int control;
    const char* key;
};
const FieldCase kFields[] = {
    {387, 1255, "East"},
    {387, 1254, "West"},
    {392, 1244, "Clubs"},
    {392, 1243, "Diamonds"},
    {392, 1242, "Hearts"},
    {392, 1240, "Spades"},
    {392, 1241, "NoTrumps"},
    {392, 1249, "ClubsAbbr"},
    {392, 1248, "DiamondsAbbr"},
    {392, 1247, "HeartsAbbr"},
    {392, 1246, "SpadesAbbr"},
    {392, 1245, "NoTrumpsAbbr"},
    {388, 1246, "RHOOpens"},
    {389, 1245, "RHOOvercallsLowest"},
    {389, 1247, "RHOOvercallsExact"},
    {389, 1248, "RHOOvercallsMax"},
    {389, 1246, "RHOJumpOvercallsLowest"},
    {389, 1249, "RHOJumpOvercallsExact"},
    {389, 1250, "RHOJumpOvercallsMax"},
    {390, 1249, "RHOSupportsLowest"},
    {390, 1250, "RHOSupportsExact"},
    {390, 1251, "RHOSupportsMax"},
    {390, 1252, "RHOJumpSupportsLowest"},
    {390, 1255, "RHOJumpSupportsExact"},
    {390, 1254, "RHOJumpSupportsMax"},
    {391, 1252, "RHODoubles"},
    {391, 1253, "RHOPrefers"},
};

QLineEdit* Field(QWidget* sheet, unsigned page, int control) {
    QWidget* pageWidget = sheet->findChild<QWidget*>(QStringLiteral("page%1").arg(page));
    return pageWidget != nullptr
               ? pageWidget->findChild<QLineEdit*>(QStringLiteral("control%1").arg(control))
               : nullptr;
}

void RunSheet(ShellFixture& shell, std::function<void(QDialog*)> action) {
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* sheet = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        shown = sheet != nullptr;
        if (sheet != nullptr) {
            action(sheet);
        }
    });
    shell.Frame().Action(ID_OPTIONS_DEFENSIVE_ACTIONS)->trigger();
    QVERIFY(shown);
}

void Press(QDialog* sheet, QDialogButtonBox::StandardButton which) {
    sheet->findChild<QDialogButtonBox*>(QStringLiteral("buttons"))->button(which)->click();
}
}  // namespace

class DefenceSheetTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ClearSettings(); }
    void EachFieldEditsItsOwnSetting();
    void OkWithoutChangesWritesAllTexts();
    void CancelWritesNothing();
};

void DefenceSheetTest::EachFieldEditsItsOwnSetting() {
    ShellFixture shell;
    shell.Start();
    RunSheet(shell, [](QDialog* sheet) {
        QCOMPARE(sheet->windowTitle(), QStringLiteral("Automatic Defensive Actions"));
        QCOMPARE(sheet->findChild<QTabWidget*>()->count(), 6);
        for (const FieldCase& field : kFields) {
            QLineEdit* edit = Field(sheet, field.page, field.control);
            QVERIFY2(edit != nullptr, field.key);
            // Shown with the default from the settings object, replaced by a text of its own.
            QCOMPARE(edit->text().toStdString(), CAutomaticDefensiveBidding::GetDefault(
                                                     static_cast<DefenceText>(&field - kFields)));
            edit->setText(QStringLiteral("text of ") + QLatin1String(field.key));
        }
        Field(sheet, 391, 1253)->clear();  // an emptied template is stored empty
        Press(sheet, QDialogButtonBox::Ok);
    });
    for (const FieldCase& field : kFields) {
        const std::string expected =
            std::string(field.key) == "RHOPrefers" ? "" : std::string("text of ") + field.key;
        QCOMPARE(GetProfileString("CAutomaticDefensiveBidding", field.key, "absent"), expected);
    }
}

void DefenceSheetTest::OkWithoutChangesWritesAllTexts() {
    ShellFixture shell;
    WriteProfileString("CAutomaticDefensiveBidding", "Spades", "pique");
    shell.Start();
    RunSheet(shell, [](QDialog* sheet) { Press(sheet, QDialogButtonBox::Ok); });
    for (const FieldCase& field : kFields) {
        const std::string stored =
            GetProfileString("CAutomaticDefensiveBidding", field.key, "absent");
        QVERIFY2(stored != "absent", field.key);
    }
    QCOMPARE(GetProfileString("CAutomaticDefensiveBidding", "Spades", ""), std::string("pique"));
    QCOMPARE(GetProfileString("CAutomaticDefensiveBidding", "RHOOpens", ""),
             std::string("East opens 1S"));
}

void DefenceSheetTest::CancelWritesNothing() {
    ShellFixture shell;
    shell.Start();
    RunSheet(shell, [](QDialog* sheet) {
        for (const FieldCase& field : kFields) {
            Field(sheet, field.page, field.control)->setText(QStringLiteral("changed"));
        }
        Press(sheet, QDialogButtonBox::Cancel);
    });
    for (const FieldCase& field : kFields) {
        QCOMPARE(GetProfileString("CAutomaticDefensiveBidding", field.key, "absent"),
                 std::string("absent"));
    }
}

QTEST_MAIN(DefenceSheetTest)
#include "test_defence_sheet.moc"
