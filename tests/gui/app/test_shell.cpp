#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include "ShellFixture.h"
#include "app/CGuiDocument.h"
#include "app/CLorvaneApp.h"
#include "app/CLorvaneChildFrame.h"
#include "app/CLorvaneMainFrame.h"
#include "app/CLorvaneView.h"
#include "app/COptionsPS.h"
#include "app/CQtPrompts.h"
#include "app/CQtStatusDisplay.h"
#include "app/CommandTable.h"
#include "app/QtText.h"
#include "items/CDesktop.h"
#include "items/ItemIds.h"
#include "platform/GeneralOptions.h"
#include "platform/Settings.h"
#include "platform/StatusDisplay.h"

namespace {
const char kEmptyDocument[] = "61463003\r\n6146300Desktop\r\n6146399\r\n";
const char kVersion4[] = "61463004\r\n6146300Desktop\r\n6146399\r\n";

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// Runs action once the next modal dialog is up.
void WhenModal(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, [action] { action(QApplication::activeModalWidget()); });
}
}  // namespace

class ShellTest : public QObject {
    Q_OBJECT

private slots:
    void StartsWithANewDocumentOrTheNamedFiles();
    void AFileThatCannotBeOpenedEndsStartUp_data();
    void AFileThatCannotBeOpenedEndsStartUp();
    void AFileOfAnotherVersionOpensFailedAndIsNeverSaved();
    void ClosingAModifiedDocumentAsks_data();
    void ClosingAModifiedDocumentAsks();
    void SavingANewDocumentAsksForAName();
    void RecentFilesKeepFourNewestFirst();
    void WindowPlacementIsWrittenOnCloseAndRestored_data();
    void WindowPlacementIsWrittenOnCloseAndRestored();
    void FirstStartUsesTheDefaultPlacement();
    void GeneralOptionsStoreOnlyOnOk_data();
    void GeneralOptionsStoreOnlyOnOk();
    void CommandsWithoutADocument();
    void OpeningShowsProgressAndRestoresTheStatusText();
    void TextsAreShownAsUtf8OrWindows1252_data();
    void TextsAreShownAsUtf8OrWindows1252();
    void FileFiltersBecomeQtNameFilters_data();
    void FileFiltersBecomeQtNameFilters();
};

void ShellTest::StartsWithANewDocumentOrTheNamedFiles() {
    {
        ShellFixture shell;
        shell.Start();
        QCOMPARE(shell.Frame().Children().size(), 1);
        CGuiDocument* document = shell.Frame().ActiveChild()->GetDocument();
        QVERIFY(document->GetPathName().isEmpty());
        QVERIFY(document->GetTitle().startsWith(QStringLiteral("Bidding")));
        QVERIFY(!document->IsModified());
        QVERIFY(!shell.Frame().ActiveChild()->windowTitle().endsWith(QLatin1Char('*')));
        QVERIFY(shell.Frame().isVisible());
    }
    {
        ShellFixture shell;
        const QString first = shell.WriteDocument(QStringLiteral("one.lv"), kEmptyDocument);
        const QString second = shell.WriteDocument(QStringLiteral("two.lv"), kEmptyDocument);
        shell.Start({first, second});
        QCOMPARE(shell.Frame().Children().size(), 2);
        QCOMPARE(shell.Frame().ActiveChild()->GetDocument()->GetTitle(), QStringLiteral("two.lv"));
        QCOMPARE(shell.Frame().ActiveChild()->windowTitle(), QStringLiteral("two.lv"));
        // Opening an open file again shows its window instead of a second copy.
        shell.App().OpenDocumentFile(first);
        QCOMPARE(shell.Frame().Children().size(), 2);
        QCOMPARE(shell.Frame().ActiveChild()->GetDocument()->GetTitle(), QStringLiteral("one.lv"));
        QVERIFY(shell.prompts.Messages().empty());
    }
}

void ShellTest::AFileThatCannotBeOpenedEndsStartUp_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("missing") << "missing.lv";
    QTest::newRow("a folder") << "folder.lv";
}

void ShellTest::AFileThatCannotBeOpenedEndsStartUp() {
    QFETCH(QString, name);
    ShellFixture shell;
    QDir().mkpath(shell.TempPath(QStringLiteral("folder.lv")));
    CLorvaneApp app;
    QVERIFY(!app.InitInstance({shell.TempPath(name)}));
    QCOMPARE(shell.prompts.Messages().size(), size_t{1});
    QVERIFY(QString::fromStdString(shell.prompts.Messages()[0].text).contains(name));
    QVERIFY(app.MainFrame() == nullptr || !app.MainFrame()->isVisible());
}

void ShellTest::AFileOfAnotherVersionOpensFailedAndIsNeverSaved() {
    ShellFixture shell;
    const QString path = shell.WriteDocument(QStringLiteral("v4.lv"), kVersion4);
    shell.Start({path});
    QCOMPARE(shell.prompts.Messages().size(), size_t{1});
    QCOMPARE(shell.prompts.Messages()[0].text,
             std::string("Cannot open the file.\n\nThe file may be corrupt or the file version is "
                         "incorrect."));
    CLorvaneView& view = shell.View();
    QCOMPARE(view.topLevelItemCount(), 1);
    QCOMPARE(view.topLevelItem(0)->text(0), QStringLiteral("Load failed."));

    // Nothing can be added to it either: it could never be saved.
    shell.Frame().UpdateCommands();
    QVERIFY(!shell.Frame().Action(ID_INSERT_BIDDING_SESSION)->isEnabled());

    shell.Frame().Action(ID_FILE_SAVE)->trigger();
    QCOMPARE(shell.prompts.Messages().back().text,
             std::string("Cannot save the file.\n\nWhen the file was opened it was corrupt or "
                         "the file version was incorrect."));
    QCOMPARE(ReadAll(path), QByteArray(kVersion4));
}

void ShellTest::ClosingAModifiedDocumentAsks_data() {
    QTest::addColumn<int>("answer");  // 0 cancel, 1 no, 2 yes
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("saved");
    QTest::newRow("cancel keeps the window") << 0 << false << false;
    QTest::newRow("no throws the change away") << 1 << true << false;
    QTest::newRow("yes saves first") << 2 << true << true;
}

void ShellTest::ClosingAModifiedDocumentAsks() {
    QFETCH(int, answer);
    QFETCH(bool, closed);
    QFETCH(bool, saved);
    ShellFixture shell;
    const QString path = shell.WriteDocument(QStringLiteral("doc.lv"), kEmptyDocument);
    shell.Start({path});
    CLorvaneChildFrame* child = shell.Frame().ActiveChild();
    AddFakeItem(child->GetDocument()->Doc().GetDesktop(), "Club night");
    QVERIFY(child->GetDocument()->IsModified());
    QVERIFY(child->windowTitle().endsWith(QLatin1Char('*')));

    if (answer == 0) {
        shell.prompts.QueueCancel();
    } else {
        shell.prompts.QueueAnswer(answer == 2);
    }
    shell.Frame().Action(ID_FILE_CLOSE)->trigger();
    QCOMPARE(shell.prompts.Messages().size(), size_t{1});
    QCOMPARE(shell.prompts.Messages()[0].text, std::string("Save changes to doc.lv?"));
    QCOMPARE(shell.prompts.Messages()[0].buttons, MessageButtons::YesNoCancel);
    QTest::qWait(0);  // closed windows go at the next turn of the event loop
    QCOMPARE(shell.Frame().Children().isEmpty(), closed);
    QCOMPARE(ReadAll(path) != QByteArray(kEmptyDocument), saved);
}

void ShellTest::SavingANewDocumentAsksForAName() {
    ShellFixture shell;
    shell.Start();
    CGuiDocument* document = shell.Frame().ActiveChild()->GetDocument();
    const QString path = shell.TempPath(QStringLiteral("named.lv"));

    shell.prompts.QueueFileName("");  // cancelled: nothing is written
    shell.Frame().Action(ID_FILE_SAVE)->trigger();
    QVERIFY(!QFile::exists(path));
    QCOMPARE(shell.prompts.FileChoices().back().defaultExtension, std::string("lv"));
    QVERIFY(shell.prompts.FileChoices().back().confirmOverwrite);

    shell.prompts.QueueFileName(path.toStdString());
    shell.Frame().Action(ID_FILE_SAVE)->trigger();
    QCOMPARE(ReadAll(path), QByteArray(kEmptyDocument));
    QCOMPARE(document->GetTitle(), QStringLiteral("named.lv"));
    QCOMPARE(shell.App().RecentFiles().Entries().value(0), QFileInfo(path).canonicalFilePath());

    // Saving into a folder that does not exist fails and keeps the document's file.
    shell.prompts.QueueFileName(shell.TempPath(QStringLiteral("no/such/folder.lv")).toStdString());
    shell.Frame().Action(ID_FILE_SAVE_AS)->trigger();
    QVERIFY(QString::fromStdString(shell.prompts.Messages().back().text).contains("Cannot save"));
    QCOMPARE(document->GetPathName(), QFileInfo(path).absoluteFilePath());
}

void ShellTest::RecentFilesKeepFourNewestFirst() {
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
    QCOMPARE(shell.Frame().findChild<QAction*>("recentFile1")->text(), QStringLiteral("&1 d2.lv"));

    // The list outlives the run; an entry whose file has gone is dropped when chosen.
    QVERIFY(shell.Frame().close());
    shell.Stop();
    QFile::remove(paths[4]);
    shell.Start();
    QCOMPARE(names(), QStringLiteral("d2.lv d5.lv d4.lv d3.lv"));
    shell.Frame().findChild<QAction*>("recentFile2")->trigger();
    QVERIFY(QString::fromStdString(shell.prompts.Messages().back().text).contains("d5.lv"));
    QCOMPARE(names(), QStringLiteral("d2.lv d4.lv d3.lv"));
    QVERIFY(!shell.Frame().findChild<QAction*>("recentFile4")->isVisible());
}

void ShellTest::WindowPlacementIsWrittenOnCloseAndRestored_data() {
    QTest::addColumn<bool>("maximized");
    QTest::newRow("normal") << false;
    QTest::newRow("maximized keeps its normal rectangle") << true;
}

void ShellTest::WindowPlacementIsWrittenOnCloseAndRestored() {
    QFETCH(bool, maximized);
    ShellFixture shell;
    shell.Start();
    CLorvaneMainFrame& frame = shell.Frame();
    const QRect normal(60, 70, 640, 480);
    frame.setGeometry(normal);
    if (maximized) {
        frame.showMaximized();
    }
    QTest::qWait(0);
    QVERIFY(frame.close());
    QCOMPARE(GetSetting("showCmd", 0), maximized ? 3 : 1);
    QCOMPARE(GetSetting("rcNormalPosition_left", 0), normal.left());
    QCOMPARE(GetSetting("rcNormalPosition_top", 0), normal.top());
    QCOMPARE(GetSetting("rcNormalPosition_right", 0), normal.left() + normal.width());
    QCOMPARE(GetSetting("rcNormalPosition_bottom", 0), normal.top() + normal.height());
    QCOMPARE(GetSetting("ptMinPosition_x", 0), -1);
    shell.Stop();

    CLorvaneApp again;
    QVERIFY(again.InitInstance({}));
    CLorvaneMainFrame* restored = again.MainFrame();
    QVERIFY(restored->isVisible());
    QCOMPARE(restored->isMaximized(), maximized);
    QCOMPARE(restored->normalGeometry(), normal);
    restored->showNormal();
    QCOMPARE(restored->geometry(), normal);
}

void ShellTest::FirstStartUsesTheDefaultPlacement() {
    ShellFixture shell;
    shell.Start();
    QVERIFY(shell.Frame().isVisible());
    QVERIFY(!shell.Frame().isMaximized());
    QVERIFY(GetSetting("showCmd", 0) == 0);
}

void ShellTest::GeneralOptionsStoreOnlyOnOk_data() {
    QTest::addColumn<int>("before");  // stored before start-up, -1 for nothing
    QTest::addColumn<bool>("pressOk");
    QTest::addColumn<int>("after");  // stored afterwards, -1 for nothing
    QTest::addColumn<bool>("inColour");
    // The sheet's check box is toggled each time.
    QTest::newRow("nothing stored, clear, OK") << -1 << true << 0 << false;
    QTest::newRow("nothing stored, clear, Cancel") << -1 << false << -1 << true;
    QTest::newRow("0 stored, set, OK") << 0 << true << 1 << true;
    QTest::newRow("0 stored, set, Cancel") << 0 << false << 0 << false;
}

void ShellTest::GeneralOptionsStoreOnlyOnOk() {
    QFETCH(int, before);
    QFETCH(bool, pressOk);
    QFETCH(int, after);
    QFETCH(bool, inColour);
    ShellFixture shell;
    if (before >= 0) {
        WriteProfileInt("Options", "ShowVulnerabilityInColour", before);
    }
    SetVulnerabilityInColour(before == 0 ? 1 : 0);  // start-up must put the stored value in force
    shell.Start();
    QCOMPARE(IsVulnerabilityInColour(), before != 0);
    bool shownChecked = false;
    WhenModal([&](QWidget* sheet) {
        auto* check = sheet->findChild<QCheckBox*>(QStringLiteral("control1228"));
        shownChecked = check->isChecked();
        check->setChecked(!check->isChecked());
        auto* buttons = sheet->findChild<QDialogButtonBox*>(QStringLiteral("buttons"));
        buttons->button(pressOk ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
    });
    shell.Frame().Action(ID_OPTIONS_GENERAL)->trigger();
    QCOMPARE(shownChecked, before != 0);
    QCOMPARE(GetProfileInt("Options", "ShowVulnerabilityInColour", -1), after);
    QCOMPARE(IsVulnerabilityInColour(), inColour);
}

void ShellTest::CommandsWithoutADocument() {
    ShellFixture shell;
    shell.Start();
    shell.Frame().ActiveChild()->close();
    QTest::qWait(0);
    QVERIFY(shell.Frame().ActiveChild() == nullptr);
    shell.Frame().UpdateCommands();
    for (unsigned id : {ID_EDIT_COPY, ID_EDIT_DELETE, ID_FILE_SAVE, ID_FILE_PRINT, ID_OPEN,
                        ID_INSERT_BIDDING_SESSION, ID_EDIT_UNDO}) {
        QVERIFY2(!shell.Frame().Action(id)->isEnabled(), qPrintable(QString::number(id)));
    }
    for (unsigned id : {ID_FILE_NEW, ID_FILE_OPEN, ID_APP_ABOUT, ID_OPTIONS_GENERAL, ID_HELP}) {
        QVERIFY2(shell.Frame().Action(id)->isEnabled(), qPrintable(QString::number(id)));
    }
    QVERIFY(!shell.Frame().Menu(QStringLiteral("editMenu"))->menuAction()->isVisible());
}

namespace {
// Passes everything on to the status bar and notes the texts and bars it was asked for.
class CRecordingStatusDisplay : public IStatusDisplay {
public:
    explicit CRecordingStatusDisplay(IStatusDisplay& inner) : m_inner(inner) {}
    void BeginWaitCursor() override { m_inner.BeginWaitCursor(); }
    void EndWaitCursor() override { m_inner.EndWaitCursor(); }
    std::string GetStatusText() const override { return m_inner.GetStatusText(); }
    void SetStatusText(const std::string& text) override {
        texts.append(QString::fromStdString(text));
        m_inner.SetStatusText(text);
    }
    void ShowProgressBar() override {
        ++bars;
        m_inner.ShowProgressBar();
    }
    void SetProgressPercent(int percent) override { m_inner.SetProgressPercent(percent); }
    void HideProgressBar() override { m_inner.HideProgressBar(); }

    QStringList texts;
    int bars = 0;

private:
    IStatusDisplay& m_inner;
};
}  // namespace

void ShellTest::OpeningShowsProgressAndRestoresTheStatusText() {
    ShellFixture shell;
    shell.Start();
    CQtStatusDisplay& status = shell.Frame().StatusDisplay();
    CRecordingStatusDisplay recording(status);
    SetStatusDisplay(&recording);
    const QString path = shell.WriteDocument(QStringLiteral("doc.lv"), kEmptyDocument);
    const QString before = status.MessagePane()->text();
    shell.App().OpenDocumentFile(path);
    SetStatusDisplay(&status);
    QCOMPARE(recording.texts.value(0), QStringLiteral("Opening doc.lv..."));
    QCOMPARE(recording.bars, 1);
    QCOMPARE(status.MessagePane()->text(), before);
    QVERIFY(!status.ProgressBar()->isVisible());
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void ShellTest::TextsAreShownAsUtf8OrWindows1252_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("ascii") << QByteArray("Club night") << QStringLiteral("Club night");
    QTest::newRow("utf-8") << QByteArray("Gr\xC3\xA5 kl\xC3\xBC") << QString::fromUtf8("Grå klü");
    QTest::newRow("windows-1252") << QByteArray("Gr\xE5 \x80 \x93x\x94")
                                  << QString::fromUtf8("Grå € “x”");
    QTest::newRow("unused code") << QByteArray("a\x81") << QString::fromUtf8("a\xEF\xBF\xBD");
}

void ShellTest::TextsAreShownAsUtf8OrWindows1252() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    QCOMPARE(FromBytes(bytes.toStdString()), shown);
}

void ShellTest::FileFiltersBecomeQtNameFilters_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("expected");
    QTest::newRow("document") << QStringLiteral("Lorvane Files (*.lv)|*.lv||")
                              << QStringLiteral("Lorvane Files (*.lv) (*.lv *.LV)");
    QTest::newRow("several") << QStringLiteral("Duplimate|*.dup;*.bri|All Files (*.*)|*.*||")
                             << QStringLiteral(
                                    "Duplimate (*.dup *.DUP *.bri *.BRI);;All Files (*.*) (*.*)");
    QTest::newRow("empty") << QString() << QString();
}

void ShellTest::FileFiltersBecomeQtNameFilters() {
    QFETCH(QString, filter);
    QFETCH(QString, expected);
    QCOMPARE(ToQtNameFilters(filter.toStdString()), expected);
}

int RunShellTests(int argc, char** argv) {
    ShellTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_shell.moc"
