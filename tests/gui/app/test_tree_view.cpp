#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>

#include "ShellFixture.h"
#include "app/CGuiDocument.h"
#include "app/CHelpWindow.h"
#include "app/CLorvaneChildFrame.h"
#include "app/CLorvaneMainFrame.h"
#include "app/CLorvaneView.h"
#include "app/CQtItemTree.h"
#include "app/CommandTable.h"
#include "app/TextPrinting.h"
#include "items/CDesktop.h"
#include "items/ItemIds.h"

namespace {
// A document window with two items under its Desktop: A without children, and B with a
// deletable child B1 and an undeletable child B2.
struct TreeSetup {
    TreeSetup() {
        shell.Start();
        desktop = shell.Frame().ActiveChild()->GetDocument()->Doc().GetDesktop();
        a = AddFakeItem(desktop, "A");
        a->enabledCommands = {ID_PROPERTIES};
        b = AddFakeItem(desktop, "B");
        b1 = AddFakeItem(b, "B1");
        b2 = AddFakeItem(b, "B2", false);
        document().SetModifiedFlag(false);
    }
    CLorvaneView& view() { return shell.View(); }
    CGuiDocument& document() { return *shell.Frame().ActiveChild()->GetDocument(); }
    QAction* action(unsigned id) { return shell.Frame().Action(id); }
    bool enabled(unsigned id) {
        shell.Frame().UpdateCommands();
        return action(id)->isEnabled();
    }
    void select(CTreeItem* item) {
        if (item == nullptr) {
            view().setCurrentItem(nullptr);
        } else {
            item->Select();
        }
    }
    QLineEdit* editor() { return view().LabelEditor(); }
    // Starts renaming item and types the text into the edit box.
    QLineEdit* startRename(CTreeItem* item, const QString& text) {
        select(item);
        action(ID_EDIT_RENAME)->trigger();
        QLineEdit* edit = editor();
        if (edit != nullptr) {
            edit->setText(text);
        }
        return edit;
    }
    std::vector<std::string> childNames(CTreeItem* parent) {
        std::vector<std::string> names;
        QTreeWidgetItem* node = CQtItemTree::NodeOf(parent);
        for (int i = 0; i < node->childCount(); ++i) {
            names.push_back(CQtItemTree::GetItem(node->child(i))->GetName());
        }
        return names;
    }

    ShellFixture shell;
    CDesktop* desktop = nullptr;
    CFakeItem* a = nullptr;
    CFakeItem* b = nullptr;
    CFakeItem* b1 = nullptr;
    CFakeItem* b2 = nullptr;
};

// The texts of the popup menu that the right click shows, or "none"; the menu is closed.
QString RightClick(CLorvaneView& view, QPoint at) {
    QString shown = QStringLiteral("none");
    QTimer::singleShot(0, [&shown] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            QStringList texts;
            for (QAction* action : menu->actions()) {
                texts.append(action->text() + (action->isEnabled() ? "" : "-"));
            }
            shown = menu->objectName() + ": " + texts.join(QStringLiteral(", "));
            menu->close();
        }
    });
    QTest::mousePress(view.viewport(), Qt::RightButton, {}, at);
    QTest::mouseRelease(view.viewport(), Qt::RightButton, {}, at);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, view.viewport()->mapToGlobal(at));
    QApplication::sendEvent(view.viewport(), &event);
    QTest::qWait(0);
    return shown;
}
}  // namespace

class TreeViewTest : public QObject {
    Q_OBJECT

private slots:
    void CommandsAreEnabledBySelection_data();
    void CommandsAreEnabledBySelection();
    void AnItemRenamesItsMenuEntryOnlyWhileSelected();
    void RenameFollowsTheNamingRule_data();
    void RenameFollowsTheNamingRule();
    void EscapeCancelsWithoutMessage();
    void ACommandCommitsTheEditFirst();
    void DeleteAndClearAll();
    void ContextMenuOnlyAfterARightPressOnANode_data();
    void ContextMenuOnlyAfterARightPressOnANode();
    void DraggingNeverMovesAnItem();
    void DoubleClickAndExpandButton();
    void CopyAndCutPutTheTextOnTheClipboard();
    void PrintingWritesTheItemText();
    void HelpFollowsTheSelectedKind();
};

void TreeViewTest::CommandsAreEnabledBySelection_data() {
    QTest::addColumn<QString>("selection");
    QTest::addColumn<bool>("editing");
    QTest::addColumn<QString>(
        "enabled");  // of: copy cut paste delete clear rename props open print
    QTest::newRow("nothing") << "" << false << "";
    QTest::newRow("Desktop") << "Desktop" << false << "";
    QTest::newRow("item without children") << "A" << false << "copy delete rename props print";
    QTest::newRow("item with children") << "B" << false << "copy delete clear rename print";
    QTest::newRow("while renaming") << "A" << true << "props print";
}

void TreeViewTest::CommandsAreEnabledBySelection() {
    QFETCH(QString, selection);
    QFETCH(bool, editing);
    QFETCH(QString, enabled);
    TreeSetup tree;
    CTreeItem* selected = selection.isEmpty() ? nullptr
                          : selection == "A"  ? tree.a
                          : selection == "B"  ? static_cast<CTreeItem*>(tree.b)
                                              : tree.desktop;
    tree.select(selected);
    if (editing) {
        QVERIFY(tree.startRename(selected, QStringLiteral("A")) != nullptr);
    }
    const std::pair<const char*, unsigned> commands[] = {
        {"copy", ID_EDIT_COPY},       {"cut", ID_EDIT_CUT},
        {"paste", ID_EDIT_PASTE},     {"delete", ID_EDIT_DELETE},
        {"clear", ID_EDIT_CLEAR_ALL}, {"rename", ID_EDIT_RENAME},
        {"props", ID_PROPERTIES},     {"open", ID_OPEN},
        {"print", ID_FILE_PRINT}};
    QStringList actual;
    for (const auto& [name, id] : commands) {
        if (tree.enabled(id)) {
            actual.append(QString::fromLatin1(name));
        }
    }
    QCOMPARE(actual.join(' '), enabled);
    // Whatever the selection, these two stay as they are.
    QVERIFY(!tree.enabled(ID_EDIT_UNDO));
    QVERIFY(tree.enabled(ID_INSERT_BIDDING_SESSION));
}

namespace {
class CNamingItem : public CFakeItem {
public:
    using CFakeItem::CFakeItem;
    void OnUpdateCommand(ICommandUI* commandUI) override {
        if (commandUI->GetId() == ID_SELECT_NORTH) {
            commandUI->SetText("Select Ann & Bob");
        }
    }
};
}  // namespace

void TreeViewTest::AnItemRenamesItsMenuEntryOnlyWhileSelected() {
    TreeSetup tree;
    auto* naming = new CNamingItem("Named");
    naming->enabledCommands = {ID_SELECT_NORTH};
    naming->InsertIntoTree(tree.desktop);
    tree.select(naming);
    QVERIFY(tree.enabled(ID_SELECT_NORTH));
    QCOMPARE(tree.action(ID_SELECT_NORTH)->text(), QStringLiteral("Select Ann && Bob"));
    tree.select(tree.a);
    QVERIFY(!tree.enabled(ID_SELECT_NORTH));
    QCOMPARE(tree.action(ID_SELECT_NORTH)->text(), QStringLiteral("Select &North"));
}

void TreeViewTest::RenameFollowsTheNamingRule_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");  // empty: accepted
    QTest::newRow("clash with a sibling") << "A"
                                          << "Cannot rename B.\n\nAn item named A already exists.";
    QTest::newRow("empty") << ""
                           << "The item must have a name.";
    QTest::newRow("new name") << "Club night"
                              << "";
    QTest::newRow("differs in case only") << "a"
                                          << "";
    QTest::newRow("its own name") << "B"
                                  << "";
    QTest::newRow("a child's name is no clash") << "B1"
                                                << "";
}

void TreeViewTest::RenameFollowsTheNamingRule() {
    QFETCH(QString, typed);
    QFETCH(QString, message);
    TreeSetup tree;
    QLineEdit* edit = tree.startRename(tree.b, typed);
    QVERIFY(edit != nullptr);
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::qWait(0);
    if (message.isEmpty()) {
        QVERIFY(tree.shell.prompts.Messages().empty());
        QCOMPARE(QString::fromStdString(tree.b->GetName()), typed);
        QCOMPARE(CQtItemTree::NodeOf(tree.b)->text(0), typed);
        QCOMPARE(tree.document().IsModified(), typed != "B");
        QVERIFY(!tree.view().Tree().IsEditing(false));
    } else {
        QCOMPARE(tree.shell.prompts.Messages().size(), size_t{1});
        QCOMPARE(QString::fromStdString(tree.shell.prompts.Messages()[0].text), message);
        QCOMPARE(tree.shell.prompts.Messages()[0].icon, MessageIcon::Stop);
        QCOMPARE(tree.b->GetName(), std::string("B"));
        QVERIFY(!tree.document().IsModified());
        // The edit box is open again on the same node for the correction.
        QVERIFY(tree.view().Tree().IsEditing(false));
        QCOMPARE(tree.view().Tree().GetEditedItem(), tree.b);
        QVERIFY(tree.editor() != nullptr);
        tree.editor()->setText(QStringLiteral("B corrected"));
        QTest::keyClick(tree.editor(), Qt::Key_Return);
        QTest::qWait(0);
        QCOMPARE(tree.b->GetName(), std::string("B corrected"));
    }
}

void TreeViewTest::EscapeCancelsWithoutMessage() {
    TreeSetup tree;
    QLineEdit* edit = tree.startRename(tree.b, QStringLiteral("A"));
    QTest::keyClick(edit, Qt::Key_Escape);
    QTest::qWait(0);
    QVERIFY(tree.shell.prompts.Messages().empty());
    QCOMPARE(tree.b->GetName(), std::string("B"));
    QVERIFY(!tree.view().Tree().IsEditing(false));
    QVERIFY(!tree.document().IsModified());
}

void TreeViewTest::ACommandCommitsTheEditFirst() {
    TreeSetup tree;
    std::vector<std::string> namesSeen;
    tree.a->onExecute = [&](unsigned) { namesSeen.push_back(tree.a->GetName()); };
    tree.startRename(tree.a, QStringLiteral("Renamed"));
    tree.action(ID_PROPERTIES)->trigger();
    QCOMPARE(namesSeen, std::vector<std::string>{"Renamed"});

    // A refused name keeps the edit open, and the command is dropped.
    tree.startRename(tree.a, QStringLiteral("B"));
    tree.action(ID_PROPERTIES)->trigger();
    QCOMPARE(namesSeen.size(), size_t{1});
    QVERIFY(tree.view().Tree().IsEditing(false));
    QCOMPARE(tree.a->GetName(), std::string("Renamed"));
}

void TreeViewTest::DeleteAndClearAll() {
    TreeSetup tree;
    tree.select(tree.desktop);
    QTest::keyClick(&tree.view(), Qt::Key_Delete);
    QCOMPARE(tree.desktop->GetChildCount(), 2);
    QVERIFY(!tree.document().IsModified());

    tree.select(tree.a);
    QTest::keyClick(&tree.view(), Qt::Key_Delete);  // no question asked
    QCOMPARE(tree.childNames(tree.desktop), std::vector<std::string>{"B"});
    QVERIFY(tree.document().IsModified());
    QVERIFY(tree.shell.prompts.Messages().empty());

    tree.select(tree.b);
    tree.action(ID_EDIT_CLEAR_ALL)->trigger();
    QCOMPARE(tree.childNames(tree.b), std::vector<std::string>{"B2"});  // B2 cannot be deleted
    QCOMPARE(tree.b->GetChildCount(), 1);
    QVERIFY(tree.enabled(ID_EDIT_CLEAR_ALL));  // B2 is still there
}

void TreeViewTest::ContextMenuOnlyAfterARightPressOnANode_data() {
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("shown");
    QTest::newRow("empty space") << "space"
                                 << "none";
    QTest::newRow("beside a label") << "beside"
                                    << "none";
    QTest::newRow("a session") << "A"
                               << "contextMenu154: Select &North-, Select &South-, View &All-, "
                                  "&Unhide All-, &Import...-, Rena&me, &Properties";
    QTest::newRow("the Desktop") << "Desktop"
                                 << "contextMenu153: &Insert Bidding Session...";
}

void TreeViewTest::ContextMenuOnlyAfterARightPressOnANode() {
    QFETCH(QString, where);
    QFETCH(QString, shown);
    TreeSetup tree;
    tree.view().resize(400, 300);
    tree.select(tree.b);
    QPoint at;
    if (where == "space") {
        at = QPoint(50, 280);
    } else if (where == "beside") {
        at = LabelCentre(tree.view(), tree.a) + QPoint(300, 0);
    } else {
        at =
            LabelCentre(tree.view(), where == "A" ? static_cast<CTreeItem*>(tree.a) : tree.desktop);
    }
    QCOMPARE(RightClick(tree.view(), at), shown);
    if (where == "A") {
        QCOMPARE(tree.view().GetSelectedItem(), tree.a);  // the right press selected it
    }
}

void TreeViewTest::DraggingNeverMovesAnItem() {
    TreeSetup tree;
    tree.view().resize(400, 300);
    QWidget* viewport = tree.view().viewport();
    const QPoint from = LabelCentre(tree.view(), tree.a);
    const QPoint over = LabelCentre(tree.view(), tree.b);
    QTest::mousePress(viewport, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, over, viewport->mapToGlobal(over), Qt::NoButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(viewport, &move);
    QVERIFY(tree.view().Tree().IsDragging());
    QVERIFY(!tree.view().Tree().IsDropAllowed());
    QVERIFY(QApplication::overrideCursor() != nullptr);
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::ForbiddenCursor);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, over);
    QVERIFY(!tree.view().Tree().IsDragging());
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QCOMPARE(tree.childNames(tree.desktop), (std::vector<std::string>{"A", "B"}));
    QCOMPARE(tree.childNames(tree.b), (std::vector<std::string>{"B1", "B2"}));
    QVERIFY(!tree.document().IsModified());
}

void TreeViewTest::DoubleClickAndExpandButton() {
    TreeSetup tree;
    tree.view().resize(400, 300);
    QWidget* viewport = tree.view().viewport();
    tree.b->Expand(false, false);
    // Children are sorted by name when their node opens.
    AddFakeItem(tree.b, "A0");
    tree.b->Expand(false, false);
    tree.document().SetModifiedFlag(false);

    // A double click is a press, a release and the double click on the same node.
    QTest::mouseClick(viewport, Qt::LeftButton, {}, LabelCentre(tree.view(), tree.a));
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, LabelCentre(tree.view(), tree.a));
    QCOMPARE(tree.a->doubleClicks, 1);

    const QRect label = tree.view().NodeLabelRect(CQtItemTree::NodeOf(tree.b));
    const QPoint button(label.left() - tree.view().indentation() / 2, label.center().y());
    QTest::mouseClick(viewport, Qt::LeftButton, {}, button);
    QVERIFY(tree.b->IsExpanded());
    QCOMPARE(tree.view().GetSelectedItem(), tree.b);
    QCOMPARE(tree.childNames(tree.b), (std::vector<std::string>{"A0", "B1", "B2"}));
    QTest::mouseClick(viewport, Qt::LeftButton, {}, button);
    QVERIFY(!tree.b->IsExpanded());
    QVERIFY(!CQtItemTree::NodeOf(tree.b)->isExpanded());
}

void TreeViewTest::CopyAndCutPutTheTextOnTheClipboard() {
    TreeSetup tree;
    tree.b->SetCanCut(true);
    tree.select(tree.b);
    tree.action(ID_EDIT_COPY)->trigger();
    QCOMPARE(tree.shell.prompts.Clipboard(), std::string("Text of B\r\nNorth:\tAnn\r\n"));
    tree.select(tree.a);
    tree.action(ID_EDIT_CUT)->trigger();  // disabled for A: nothing happens
    QCOMPARE(tree.shell.prompts.Clipboard(), std::string("Text of B\r\nNorth:\tAnn\r\n"));
    tree.select(tree.b);
    tree.action(ID_EDIT_CUT)->trigger();
    QCOMPARE(tree.childNames(tree.desktop), (std::vector<std::string>{"A", "B"}));
}

void TreeViewTest::PrintingWritesTheItemText() {
    const std::unique_ptr<QTextDocument> layout =
        MakePrintDocument("North:\tAnn\r\nSouth:\tBob\r\n");
    const QFontMetricsF metrics(layout->defaultFont());
    QCOMPARE(metrics.horizontalAdvance(QStringLiteral("iiii")),
             metrics.horizontalAdvance(QStringLiteral("WWWW")));
    QCOMPARE(layout->toPlainText(), QStringLiteral("North:\tAnn\nSouth:\tBob\n"));

    TreeSetup tree;
    const QString pdf = tree.shell.TempPath(QStringLiteral("printed.pdf"));
    SharedPrinter().setOutputFormat(QPrinter::PdfFormat);
    SharedPrinter().setOutputFileName(pdf);
    tree.select(tree.b);
    tree.action(ID_FILE_PRINT_DIRECT)->trigger();
    QFile printed(pdf);
    QVERIFY(printed.open(QIODevice::ReadOnly));
    QVERIFY(printed.size() > 1000);  // a page with text on it, not an empty one
    SharedPrinter().setOutputFileName(QString());
}

void TreeViewTest::HelpFollowsTheSelectedKind() {
    TreeSetup tree;
    tree.select(tree.desktop);
    tree.action(ID_HELP)->trigger();
    QVERIFY(CHelpWindow::Instance() != nullptr);
    QCOMPARE(CHelpWindow::Instance()->Browser()->source().toString(),
             QStringLiteral("qrc:/help/desktop.html"));
    tree.select(tree.a);
    tree.action(ID_HELP)->trigger();
    QCOMPARE(CHelpWindow::Instance()->Browser()->source().toString(),
             QStringLiteral("qrc:/help/session.html"));
    // Every kind, dialog and sheet has a page.
    for (unsigned context : {0u, 61463u, 61808u, 61809u, 187u, 251u, 252u, 257u, 383u, 387u, 392u,
                             393u, IDH_GENERATING_DEALS}) {
        const QString url = CHelpWindow::TopicUrl(context);
        QVERIFY2(QFile::exists(url.mid(3)), qPrintable(url));
        QVERIFY2(context == 0 || !url.endsWith("index.html") || context == 100,
                 qPrintable(QString::number(context)));
    }
    CHelpWindow::Instance()->close();
}

int RunTreeViewTests(int argc, char** argv) {
    TreeViewTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_tree_view.moc"
