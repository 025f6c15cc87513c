#include <limits>

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QScreen>
#include <QTest>

#include "ShellFixture.h"
#include "core/bidding/CLogBook.h"
#include "core/items/ItemIds.h"
#include "core/platform/GeneralOptions.h"
#include "core/platform/Settings.h"
#include "gui/app/CQtPrompts.h"
#include "gui/app/CQtStatusDisplay.h"
#include "gui/app/CommandTable.h"
#include "gui/common/QtText.h"

const char kEmptyDocument[] = "61463003\r\n6146300Desktop\r\n6146399\r\n";

class ShellTest : public QObject {
    Q_OBJECT

private slots:
    void AboutShowsTheProjectsVersion() {
        ShellFixture shell;
        shell.Start();
        QString text;
        QVERIFY(shell.Drive(ID_APP_ABOUT, [&](QDialog* about) {
            text = about->findChild<QLabel*>(QStringLiteral("aboutText"))->text();
        }));
        QCOMPARE(text, QStringLiteral("Lorvane\nVersion " LORVANE_VERSION));
    }

    void StartsWithTheNamedFiles() {
        ShellFixture shell;
        const QString first = shell.WriteDocument("one.lv", kEmptyDocument);
        shell.Start({first, shell.WriteDocument("two.lv", kEmptyDocument)});
        QCOMPARE(shell.Frame().Children().size(), 2);
        QCOMPARE(shell.Frame().ActiveChild()->windowTitle(), QStringLiteral("two.lv"));
        // Opening an open file again shows its window instead of a second copy.
        shell.App().OpenDocumentFile(first);
        QCOMPARE(shell.Frame().Children().size(), 2);
        QCOMPARE(shell.Document().GetTitle(), QStringLiteral("one.lv"));
        // Opening's progress leaves no trace in the status bar, nor a wait cursor.
        CQtStatusDisplay& status = shell.Frame().StatusDisplay();
        const QString idle = status.MessagePane()->text();
        shell.App().OpenDocumentFile(shell.WriteDocument("three.lv", kEmptyDocument));
        QCOMPARE(shell.Frame().Children().size(), 3);
        QCOMPARE(status.MessagePane()->text(), idle);
        QVERIFY(!status.ProgressBar()->isVisible());
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    // Whatever happened to the window's keyboard focus while the user was in another program,
    // coming back shows the document that was active when the user left.
    void ComingBackKeepsTheDocumentWorkedIn_data() {
        QTest::addColumn<QString>("whileAway");
        QTest::newRow("nothing") << "";
        QTest::newRow("the focused widget went") << "cleared";
        QTest::newRow("the focus moved to the other document") << "other";
    }

    void ComingBackKeepsTheDocumentWorkedIn() {
        QFETCH(QString, whileAway);
        ShellFixture shell;
        shell.Start({shell.WriteDocument("one.lv", kEmptyDocument),
                     shell.WriteDocument("two.lv", kEmptyDocument)});
        CLorvaneMainFrame& frame = shell.Frame();
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        CLorvaneChildFrame* worked = frame.ActiveChild();
        CLorvaneChildFrame* other = frame.Children().first();
        QVERIFY(worked != other);

        QWidget elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        if (whileAway == "cleared") {
            worked->GetView()->clearFocus();
        } else if (whileAway == "other") {
            other->GetView()->setFocus();
        }
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QCOMPARE(frame.ActiveChild(), worked);
        QVERIFY(worked->isAncestorOf(QApplication::focusWidget()));
    }

    void AFileThatCannotBeOpenedEndsStartUp() {
        for (const QString name : {"missing.lv", "folder.lv"}) {
            ShellFixture shell;
            QDir().mkpath(shell.TempPath("folder.lv"));
            CLorvaneApp app;
            QVERIFY(!app.InitInstance({shell.TempPath(name)}));
            QCOMPARE(shell.prompts.Messages().size(), size_t{1});
            QVERIFY(QString::fromStdString(shell.LastMessage()).contains(name));
            QVERIFY(app.MainFrame() == nullptr || !app.MainFrame()->isVisible());
        }
    }

    void AFileOfAnotherVersionOpensFailedAndIsNeverSaved() {
        const char kVersion4[] = "61463004\r\n6146300Desktop\r\n6146399\r\n";
        ShellFixture shell;
        const QString path = shell.WriteDocument("v4.lv", kVersion4);
        shell.Start({path});
        QCOMPARE(shell.LastMessage(),
                 "Cannot open the file.\n\nThe file may be corrupt or the file "
                 "version is incorrect.");
        QCOMPARE(shell.View().topLevelItem(0)->text(0), QStringLiteral("Load failed."));
        QVERIFY(!shell.Enabled(ID_INSERT_BIDDING_SESSION));  // it could never be saved

        shell.Action(ID_FILE_SAVE)->trigger();
        QCOMPARE(shell.LastMessage(),
                 "Cannot save the file.\n\nWhen the file was opened it was "
                 "corrupt or the file version was incorrect.");
        QCOMPARE(ReadAll(path), QByteArray(kVersion4));
    }

    void ClosingAModifiedDocumentAsks_data() {
        QTest::addColumn<int>("answer");  // 0 cancel, 1 no, 2 yes
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("saved");
        QTest::newRow("cancel keeps the window") << 0 << false << false;
        QTest::newRow("no throws the change away") << 1 << true << false;
        QTest::newRow("yes saves first") << 2 << true << true;
    }

    void ClosingAModifiedDocumentAsks() {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        QFETCH(bool, saved);
        ShellFixture shell;
        const QString path = shell.WriteDocument("doc.lv", kEmptyDocument);
        shell.Start({path});
        AddFakeItem(shell.Desktop(), "Club night");
        QVERIFY(shell.Frame().ActiveChild()->windowTitle().endsWith('*'));
        if (answer == 0) {
            shell.prompts.QueueCancel();
        } else {
            shell.prompts.QueueAnswer(answer == 2);
        }
        shell.Action(ID_FILE_CLOSE)->trigger();
        QCOMPARE(shell.prompts.Messages().size(), size_t{1});
        QCOMPARE(shell.LastMessage(), "Save changes to doc.lv?");
        QTest::qWait(0);  // closed windows go at the next turn of the event loop
        QCOMPARE(shell.Frame().Children().isEmpty(), closed);
        QCOMPARE(ReadAll(path) != QByteArray(kEmptyDocument), saved);
    }

    void SavingANewDocumentAsksForAName() {
        ShellFixture shell;
        shell.Start();
        const QString path = shell.TempPath("named.lv");
        shell.prompts.QueueFileName("");  // cancelled: nothing is written
        shell.Action(ID_FILE_SAVE)->trigger();
        QVERIFY(!QFile::exists(path));

        shell.prompts.QueueFileName(path.toStdString());
        shell.Action(ID_FILE_SAVE)->trigger();
        QCOMPARE(ReadAll(path), QByteArray(kEmptyDocument));
        QCOMPARE(shell.Document().GetTitle(), QStringLiteral("named.lv"));

        // A failed Save As keeps the document on its file.
        shell.prompts.QueueFileName(shell.TempPath("no/such/folder.lv").toStdString());
        shell.Action(ID_FILE_SAVE_AS)->trigger();
        QVERIFY(QString::fromStdString(shell.LastMessage()).contains("Cannot save"));
        QCOMPARE(shell.Document().GetPathName(), QFileInfo(path).absoluteFilePath());
    }

    void RecentFilesKeepFourNewestFirst() {
        ShellFixture shell;
        QStringList paths;
        for (int i = 1; i <= 5; ++i) {
            paths.append(shell.WriteDocument(QStringLiteral("d%1.lv").arg(i), kEmptyDocument));
        }
        shell.Start(paths);
        shell.App().OpenDocumentFile(paths[1]);  // moves up, is not listed twice
        auto names = [&shell] {
            QStringList list;
            for (const QString& entry : shell.App().RecentFiles().Entries()) {
                list.append(QFileInfo(entry).fileName());
            }
            return list.join(' ');
        };
        QCOMPARE(names(), QStringLiteral("d2.lv d5.lv d4.lv d3.lv"));

        // The list outlives the run; an entry whose file has gone is dropped when chosen.
        QVERIFY(shell.Frame().close());
        shell.Stop();
        QFile::remove(paths[4]);
        shell.Start();
        QCOMPARE(names(), QStringLiteral("d2.lv d5.lv d4.lv d3.lv"));
        shell.Frame().findChild<QAction*>("recentFile2")->trigger();
        QVERIFY(QString::fromStdString(shell.LastMessage()).contains("d5.lv"));
        QCOMPARE(names(), QStringLiteral("d2.lv d4.lv d3.lv"));
    }

    // A document that opens in the failed state leaves the recent files; the log-book opens
    // from the File menu once a deal was logged.
    void RecentFilesForgetFailedDocumentsAndTheLogBookOpens() {
        ShellFixture shell;
        const QString good = shell.WriteDocument("good.lv", kEmptyDocument);
        const QString bad = shell.WriteDocument("bad.lv", "61463004\r\n6146300Desktop\r\n");
        shell.Start({good});
        shell.App().OpenDocumentFile(bad);
        shell.App().OpenDocumentFile(bad);
        QCOMPARE(shell.App().RecentFiles().Entries(),
                 QStringList{QFileInfo(good).absoluteFilePath()});

        shell.prompts.ClearMessages();
        shell.Action(ID_FILE_OPEN_LOG_BOOK)->trigger();
        QVERIFY(
            QString::fromStdString(shell.LastMessage()).startsWith("The log-book is still empty"));
        const QString logBook = QString::fromStdString(CLogBook::Path());
        QDir().mkpath(QFileInfo(logBook).absolutePath());
        QVERIFY(QFile::copy(good, logBook));
        shell.Action(ID_FILE_OPEN_LOG_BOOK)->trigger();
        QCOMPARE(shell.Document().GetTitle(), QStringLiteral("Log-book.lv"));
        shell.Stop();
        QFile::remove(logBook);
    }

    void WindowPlacementIsWrittenOnCloseAndRestored_data() {
        QTest::addColumn<bool>("maximized");
        QTest::newRow("normal") << false;
        QTest::newRow("maximized keeps its normal rectangle") << true;
    }

    void WindowPlacementIsWrittenOnCloseAndRestored() {
        QFETCH(bool, maximized);
        ShellFixture shell;
        shell.Start();
        QCOMPARE(GetSetting("showCmd", 0), 0);  // nothing written before the first close
        const QRect normal(60, 70, 640, 480);
        shell.Frame().setGeometry(normal);
        if (maximized) {
            shell.Frame().showMaximized();
        }
        QTest::qWait(0);
        QVERIFY(shell.Frame().close());
        QCOMPARE(GetSetting("showCmd", 0), maximized ? 3 : 1);
        QCOMPARE(GetSetting("rcNormalPosition_left", 0), 60);
        QCOMPARE(GetSetting("rcNormalPosition_top", 0), 70);
        QCOMPARE(GetSetting("rcNormalPosition_right", 0), 700);
        QCOMPARE(GetSetting("rcNormalPosition_bottom", 0), 550);
        shell.Stop();

        CLorvaneApp again;
        QVERIFY(again.InitInstance({}));
        QCOMPARE(again.MainFrame()->isMaximized(), maximized);
        QCOMPARE(again.MainFrame()->normalGeometry(), normal);
    }

    void ExtremeWindowPlacementSettingsStillShowTheWindowOnScreen() {
        ShellFixture shell;
        WriteSetting("showCmd", 1);
        WriteSetting("rcNormalPosition_left", std::numeric_limits<int>::min());
        WriteSetting("rcNormalPosition_top", -5);
        WriteSetting("rcNormalPosition_right", std::numeric_limits<int>::max());
        WriteSetting("rcNormalPosition_bottom", std::numeric_limits<int>::max());
        shell.Start();
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        // As large as the screen at most, and on it.
        const QRect placed = shell.Frame().normalGeometry();
        QVERIFY(placed.width() <= available.width() && placed.height() <= available.height());
        QVERIFY(available.intersects(placed));
    }

    void GeneralOptionsStoreOnlyOnOk_data() {
        QTest::addColumn<bool>("review");  // the review's box, else the vulnerability's
        QTest::addColumn<int>("before");   // stored before start-up, -1 for nothing
        QTest::addColumn<bool>("pressOk");
        QTest::addColumn<int>("after");  // stored afterwards, -1 for nothing
        // The sheet's check box is toggled each time.
        for (const bool review : {false, true}) {
            const char* name = review ? "review: " : "vulnerability: ";
            const auto row = [&](const char* what) -> QTestData& {
                return QTest::newRow(qPrintable(QString::fromLatin1(name) + what)) << review;
            };
            row("nothing stored, clear, OK") << -1 << true << 0;
            row("nothing stored, clear, Cancel") << -1 << false << -1;
            row("0 stored, set, OK") << 0 << true << 1;
            row("0 stored, set, Cancel") << 0 << false << 0;
        }
    }

    void GeneralOptionsStoreOnlyOnOk() {
        QFETCH(bool, review);
        QFETCH(int, before);
        QFETCH(bool, pressOk);
        QFETCH(int, after);
        const char* key = review ? "ShowReview" : "ShowVulnerabilityInColour";
        const auto inForce = [review] {
            return (review ? ReviewShown() : VulnerabilityInColour()).IsOn();
        };
        ShellFixture shell;
        if (before >= 0) {
            WriteProfileInt("Options", key, before);
        }
        // Start-up must put the stored value in force.
        (review ? ReviewShown() : VulnerabilityInColour()).Set(before == 0 ? 1 : 0);
        shell.Start();
        QCOMPARE(inForce(), before != 0);
        QVERIFY(shell.Drive(ID_OPTIONS_GENERAL, [&](QDialog* sheet) {
            auto* check = Control<QCheckBox>(sheet, review ? 1229 : 1228);
            QCOMPARE(check->isChecked(), before != 0);
            check->toggle();
            Press(sheet, pressOk ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel);
        }));
        QCOMPARE(GetProfileInt("Options", key, -1), after);
        QCOMPARE(inForce(), pressOk ? after != 0 : before != 0);
    }

    void CommandsWithoutADocument() {
        ShellFixture shell;
        shell.Start();
        shell.Frame().ActiveChild()->close();
        QTest::qWait(0);
        for (unsigned id : {ID_EDIT_COPY, ID_FILE_SAVE, ID_FILE_PRINT, ID_INSERT_BIDDING_SESSION}) {
            QVERIFY2(!shell.Enabled(id), qPrintable(QString::number(id)));
        }
        for (unsigned id : {ID_FILE_NEW, ID_FILE_OPEN, ID_OPTIONS_GENERAL, ID_HELP}) {
            QVERIFY2(shell.Enabled(id), qPrintable(QString::number(id)));
        }
        QVERIFY(!shell.Frame().Menu("editMenu")->menuAction()->isVisible());
    }

    // Document texts are UTF-8 when they decode as such, else Windows-1252; file filters
    // become Qt's, with upper-case patterns for case-sensitive file systems.
    void TextConversions() {
        QCOMPARE(FromBytes("Gr\xC3\xA5 kl\xC3\xBC"), QString::fromUtf8("Grå klü"));
        QCOMPARE(FromBytes("Gr\xE5 \x80 \x93x\x94"), QString::fromUtf8("Grå € “x”"));
        QCOMPARE(FromBytes("a\x81"), QString::fromUtf8("a\xEF\xBF\xBD"));  // unused code
        QCOMPARE(ToQtNameFilters("Duplimate|*.dup;*.bri|All Files (*.*)|*.*||"),
                 QStringLiteral("Duplimate (*.dup *.DUP *.bri *.BRI);;All Files (*.*) (*.*)"));
    }
};

QTEST_MAIN(ShellTest)
#include "test_shell.moc"
