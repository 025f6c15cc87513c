#include <QDialog>
#include <QLineEdit>
#include <QTest>

#include "ShellFixture.h"
#include "core/defence/CAutomaticDefensiveBidding.h"
#include "core/items/ItemIds.h"
#include "core/platform/Settings.h"

namespace {
// Every text of the sheet in DefenceText order: its page's dialog id, control id and key.
const char kFields[] =
    "387 1255 East,387 1254 West,392 1244 Clubs,392 1243 Diamonds,392 1242 Hearts,"
    "392 1240 Spades,392 1241 NoTrumps,392 1249 ClubsAbbr,392 1248 DiamondsAbbr,"
    "392 1247 HeartsAbbr,392 1246 SpadesAbbr,392 1245 NoTrumpsAbbr,388 1246 RHOOpens,"
    "389 1245 RHOOvercallsLowest,389 1247 RHOOvercallsExact,389 1248 RHOOvercallsMax,"
    "389 1246 RHOJumpOvercallsLowest,389 1249 RHOJumpOvercallsExact,"
    "389 1250 RHOJumpOvercallsMax,390 1249 RHOSupportsLowest,390 1250 RHOSupportsExact,"
    "390 1251 RHOSupportsMax,390 1252 RHOJumpSupportsLowest,390 1255 RHOJumpSupportsExact,"
    "390 1254 RHOJumpSupportsMax,391 1252 RHODoubles,391 1253 RHOPrefers";
}  // namespace

class DefenceSheetTest : public QObject {
    Q_OBJECT

private slots:
    void OkStoresEveryTextCancelNone_data() {
        QTest::addColumn<bool>("edit");
        QTest::addColumn<bool>("ok");
        QTest::newRow("edited, OK") << true << true;
        QTest::newRow("unchanged, OK") << false << true;
        QTest::newRow("edited, Cancel") << true << false;
    }

    // Each field shows its own setting (the default, or what is stored); OK writes all of them,
    // edited or not; Cancel writes nothing.
    void OkStoresEveryTextCancelNone() {
        QFETCH(bool, edit);
        QFETCH(bool, ok);
        ShellFixture shell;
        shell.Start();
        WriteProfileString("CAutomaticDefensiveBidding", "Spades", "pique");
        const QStringList fields = QString(kFields).split(',');
        const auto shown = [](int i, const QString& key) {
            return key == "Spades" ? QStringLiteral("pique")
                                   : QString::fromStdString(
                                         CAutomaticDefensiveBidding::GetDefault(DefenceText(i)));
        };
        const auto typed = [](int i, const QString& key) {
            return i == 26 ? QString() : key;  // a template may be emptied
        };
        QVERIFY(shell.Drive(ID_OPTIONS_DEFENSIVE_ACTIONS, [&](QDialog* sheet) {
            for (int i = 0; i < fields.size(); ++i) {
                const QStringList field = fields[i].split(' ');
                auto* line = Control<QLineEdit>(sheet->findChild<QWidget*>("page" + field[0]),
                                                field[1].toInt());
                QCOMPARE(line->text(), shown(i, field[2]));
                if (edit) {
                    line->setText(typed(i, field[2]));
                }
            }
            Press(sheet, ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel);
        }));
        for (int i = 0; i < fields.size(); ++i) {
            const QString key = fields[i].split(' ')[2];
            const QString before = key == "Spades" ? "pique" : "absent";
            QCOMPARE(QString::fromStdString(GetProfileString("CAutomaticDefensiveBidding",
                                                             key.toStdString(), "absent")),
                     !ok    ? before
                     : edit ? typed(i, key)
                            : shown(i, key));
        }
    }
};

QTEST_MAIN(DefenceSheetTest)
#include "test_defence_sheet.moc"
