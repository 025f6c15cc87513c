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
#include "core/items/ItemIds.h"
#include "gui/app/CQtItemTree.h"
#include "gui/app/CommandTable.h"
#include "gui/common/CHelpWindow.h"
#include "gui/common/TextPrinting.h"

namespace {
// A document with A (no children) and B (a deletable child B1, an undeletable B2) under its
// Desktop.
struct TreeSetup {
    TreeSetup() {
        shell.Start();
        desktop = shell.Desktop();
        a = AddFakeItem(desktop, "A");
        a->enabledCommands = {ID_PROPERTIES};
        b = AddFakeItem(desktop, "B");
        AddFakeItem(b, "B1");
        AddFakeItem(b, "B2", false);
        shell.Document().SetModifiedFlag(false);
        view().resize(400, 300);
    }
    CLorvaneView& view() { return shell.View(); }
    bool modified() { return shell.Document().IsModified(); }
    void select(CTreeItem* item) {
        item != nullptr ? item->Select() : view().setCurrentItem(nullptr);
    }
    // Starts renaming item and types the text into the edit box.
    QLineEdit* startRename(CTreeItem* item, const QString& text) {
        select(item);
        shell.Action(ID_EDIT_RENAME)->trigger();
        if (view().LabelEditor() != nullptr) {
            view().LabelEditor()->setText(text);
        }
        return view().LabelEditor();
    }
    // The names of the child nodes, in the tree's order; they are made first, as expanding
    // the parent would.
    QString children(CTreeItem* parent) {
        QStringList names;
        parent->MakeChildNodes();
        QTreeWidgetItem* node = CQtItemTree::NodeOf(parent);
        for (int i = 0; i < node->childCount(); ++i) {
            names << QString::fromStdString(CQtItemTree::GetItem(node->child(i))->GetName());
        }
        return names.join(' ');
    }

    ShellFixture shell;
    CDesktop* desktop = nullptr;
    CFakeItem* a = nullptr;
    CFakeItem* b = nullptr;
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
    void CommandsAreEnabledBySelection_data() {
        QTest::addColumn<QString>("selection");
        QTest::addColumn<bool>("editing");
        QTest::addColumn<QString>("enabled");  // of: copy cut delete clear rename props open print
        QTest::newRow("nothing") << "" << false << "";
        QTest::newRow("Desktop") << "Desktop" << false << "";
        QTest::newRow("item without children") << "A" << false << "copy delete rename props print";
        QTest::newRow("item with children") << "B" << false << "copy delete clear rename print";
        QTest::newRow("while renaming") << "A" << true << "props print";
    }

    void CommandsAreEnabledBySelection() {
        QFETCH(QString, selection);
        QFETCH(bool, editing);
        QFETCH(QString, enabled);
        TreeSetup tree;
        CTreeItem* selected = selection == "A"         ? tree.a
                              : selection == "B"       ? tree.b
                              : selection == "Desktop" ? static_cast<CTreeItem*>(tree.desktop)
                                                       : nullptr;
        tree.select(selected);
        if (editing) {
            QVERIFY(tree.startRename(selected, "A") != nullptr);
        }
        const std::pair<const char*, unsigned> commands[] = {
            {"copy", ID_EDIT_COPY},     {"cut", ID_EDIT_CUT},
            {"delete", ID_EDIT_DELETE}, {"clear", ID_EDIT_CLEAR_ALL},
            {"rename", ID_EDIT_RENAME}, {"props", ID_PROPERTIES},
            {"open", ID_OPEN},          {"print", ID_FILE_PRINT}};
        QStringList actual;
        for (const auto& [name, id] : commands) {
            if (tree.shell.Enabled(id)) {
                actual.append(name);
            }
        }
        QCOMPARE(actual.join(' '), enabled);
        QVERIFY(tree.shell.Enabled(ID_INSERT_BIDDING_SESSION));
    }

    void Rename_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("message");  // empty: none
        QTest::addColumn<QString>("name");     // afterwards
        QTest::newRow("new name") << "Club night" << int(Qt::Key_Return) << ""
                                  << "Club night";
        QTest::newRow("clash with a sibling")
            << "A" << int(Qt::Key_Return) << "Cannot rename B.\n\nAn item named A already exists."
            << "B";
        QTest::newRow("empty") << "" << int(Qt::Key_Return) << "The item must have a name."
                               << "B";
        QTest::newRow("Escape cancels silently") << "A" << int(Qt::Key_Escape) << ""
                                                 << "B";
    }

    void Rename() {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(QString, message);
        QFETCH(QString, name);
        TreeSetup tree;
        QTest::keyClick(tree.startRename(tree.b, typed), Qt::Key(key));
        QTest::qWait(0);
        QCOMPARE(QString::fromStdString(tree.shell.LastMessage()), message);
        QCOMPARE(QString::fromStdString(tree.b->GetName()), name);
        QCOMPARE(CQtItemTree::NodeOf(tree.b)->text(0), name);
        QCOMPARE(tree.modified(), name != "B");
        // A refused name opens the edit box again on the same node for the correction.
        QCOMPARE(tree.view().LabelEditor() != nullptr, !message.isEmpty());
        if (!message.isEmpty()) {
            QCOMPARE(tree.view().Tree().GetEditedItem(), tree.b);
            tree.view().LabelEditor()->setText("B corrected");
            QTest::keyClick(tree.view().LabelEditor(), Qt::Key_Return);
            QTest::qWait(0);
            QCOMPARE(tree.b->GetName(), std::string("B corrected"));
        }
    }

    void ACommandCommitsTheEditFirst() {
        TreeSetup tree;
        std::vector<std::string> namesSeen;
        tree.a->onExecute = [&](unsigned) { namesSeen.push_back(tree.a->GetName()); };
        tree.startRename(tree.a, "Renamed");
        tree.shell.Action(ID_PROPERTIES)->trigger();
        QCOMPARE(namesSeen, std::vector<std::string>{"Renamed"});

        // A refused name keeps the edit open, and the command is dropped.
        tree.startRename(tree.a, "B");
        tree.shell.Action(ID_PROPERTIES)->trigger();
        QCOMPARE(namesSeen.size(), size_t{1});
        QVERIFY(tree.view().Tree().IsEditing(false));
    }

    // Qt asks twice for the edit that a click on the selected label starts.
    void ClickOnTheSelectedLabelRenamesAndLeavesTheCommandsWorking() {
        TreeSetup tree;
        tree.select(tree.a);
        QTest::mouseClick(tree.view().viewport(), Qt::LeftButton, {},
                          LabelCentre(tree.view(), tree.a));
        QTRY_VERIFY(tree.view().LabelEditor() != nullptr);
        tree.view().LabelEditor()->setText("Renamed");
        QTest::keyClick(tree.view().LabelEditor(), Qt::Key_Return);
        QTest::qWait(0);
        QCOMPARE(tree.a->GetName(), std::string("Renamed"));
        QVERIFY(!tree.view().Tree().IsEditing(false));
        QVERIFY(tree.shell.Enabled(ID_EDIT_DELETE) && tree.shell.Enabled(ID_EDIT_RENAME));

        const QString path = tree.shell.TempPath("renamed.lv");
        tree.shell.prompts.QueueFileName(path.toStdString());
        tree.shell.Action(ID_FILE_SAVE)->trigger();
        QVERIFY(QFile::exists(path));
        tree.shell.Action(ID_FILE_CLOSE)->trigger();
        QVERIFY(tree.shell.Frame().ActiveChild() == nullptr);
    }

    void DeleteAndClearAll() {
        TreeSetup tree;
        tree.select(tree.desktop);
        QTest::keyClick(&tree.view(), Qt::Key_Delete);
        QCOMPARE(tree.children(tree.desktop), QStringLiteral("A B"));
        QVERIFY(!tree.modified());

        tree.select(tree.a);
        QTest::keyClick(&tree.view(), Qt::Key_Delete);  // no question asked
        QCOMPARE(tree.children(tree.desktop), QStringLiteral("B"));
        QVERIFY(tree.modified());
        QVERIFY(tree.shell.prompts.Messages().empty());

        tree.select(tree.b);
        tree.shell.Action(ID_EDIT_CLEAR_ALL)->trigger();
        QCOMPARE(tree.children(tree.b), QStringLiteral("B2"));  // B2 cannot be deleted
        QCOMPARE(tree.b->GetChildCount(), 1);
    }

    // Delete asks nothing, and Undo (Ctrl+Z or Edit > Undo) brings the item back at its
    // place with its children.
    void UndoBringsBackWhatDeleteRemoved() {
        TreeSetup tree;
        AddFakeItem(tree.desktop, "C");
        QVERIFY(!tree.shell.Enabled(ID_EDIT_UNDO));
        tree.select(tree.b);
        QTest::keyClick(&tree.view(), Qt::Key_Delete);
        QCOMPARE(tree.children(tree.desktop), QStringLiteral("A C"));
        QVERIFY(tree.shell.Enabled(ID_EDIT_UNDO));
        tree.shell.Document().SetModifiedFlag(false);
        tree.shell.Frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&tree.shell.Frame()));
        QTest::keyClick(&tree.view(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(tree.children(tree.desktop), QStringLiteral("A B C"));
        QCOMPARE(tree.children(tree.b), QStringLiteral("B1 B2"));
        QCOMPARE(tree.view().GetSelectedItem(), tree.b);
        QVERIFY(tree.modified());
        QVERIFY(!tree.shell.Enabled(ID_EDIT_UNDO));

        tree.shell.Action(ID_EDIT_CLEAR_ALL)->trigger();
        QCOMPARE(tree.children(tree.b), QStringLiteral("B2"));
        tree.shell.Action(ID_EDIT_UNDO)->trigger();
        QCOMPARE(tree.children(tree.b), QStringLiteral("B1 B2"));
    }

    void ContextMenuOnlyAfterARightPressOnANode_data() {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty space") << "space"
                                     << "none";
        QTest::newRow("beside a label") << "beside"
                                        << "none";
        QTest::newRow("a session")
            << "A"
            << "contextMenu154: Select &North-, Select &South-, View &All-, "
               "&Unhide All-, &Review Session...-, &Import...-, Rena&me, &Properties";
        QTest::newRow("the Desktop") << "Desktop"
                                     << "contextMenu153: &Insert Bidding Session...";
    }

    void ContextMenuOnlyAfterARightPressOnANode() {
        QFETCH(QString, where);
        QFETCH(QString, shown);
        TreeSetup tree;
        tree.select(tree.b);
        const QPoint at = where == "space"    ? QPoint(50, 280)
                          : where == "beside" ? LabelCentre(tree.view(), tree.a) + QPoint(300, 0)
                          : where == "A"      ? LabelCentre(tree.view(), tree.a)
                                              : LabelCentre(tree.view(), tree.desktop);
        QCOMPARE(RightClick(tree.view(), at), shown);
        if (where == "A") {
            QCOMPARE(tree.view().GetSelectedItem(), tree.a);  // the right press selected it
        }
    }

    void DraggingNeverMovesAnItem() {
        TreeSetup tree;
        QWidget* viewport = tree.view().viewport();
        const QPoint over = LabelCentre(tree.view(), tree.b);
        QTest::mousePress(viewport, Qt::LeftButton, {}, LabelCentre(tree.view(), tree.a));
        QMouseEvent move(QEvent::MouseMove, over, viewport->mapToGlobal(over), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(viewport, &move);
        QVERIFY(tree.view().Tree().IsDragging() && !tree.view().Tree().IsDropAllowed());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::ForbiddenCursor);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, over);
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QCOMPARE(tree.children(tree.desktop), QStringLiteral("A B"));
        QCOMPARE(tree.children(tree.b), QStringLiteral("B1 B2"));
        QVERIFY(!tree.modified());
    }

    void DoubleClickAndExpandButton() {
        TreeSetup tree;
        QWidget* viewport = tree.view().viewport();
        tree.b->Expand(false, false);
        AddFakeItem(tree.b, "A0");  // sorted in when the node opens
        tree.b->Expand(false, false);

        // A double click is a press, a release and the double click on the same node.
        QTest::mouseClick(viewport, Qt::LeftButton, {}, LabelCentre(tree.view(), tree.a));
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, LabelCentre(tree.view(), tree.a));
        QCOMPARE(tree.a->doubleClicks, 1);

        const QRect label = tree.view().NodeLabelRect(CQtItemTree::NodeOf(tree.b));
        const QPoint button(label.left() - tree.view().indentation() / 2, label.center().y());
        QTest::mouseClick(viewport, Qt::LeftButton, {}, button);
        QVERIFY(tree.b->IsExpanded());
        QCOMPARE(tree.children(tree.b), QStringLiteral("A0 B1 B2"));
        QTest::mouseClick(viewport, Qt::LeftButton, {}, button);
        QVERIFY(!tree.b->IsExpanded() && !CQtItemTree::NodeOf(tree.b)->isExpanded());
    }

    // A session that comes into the tree with its children, as a document opens, shows an
    // expand button but has no child nodes yet; whatever needs one of them makes them all.
    void ChildNodesComeWhenNeeded_data() {
        QTest::addColumn<QString>("way");
        for (const char* way : {"expand button", "right arrow key", "select", "rename", "delete"}) {
            QTest::newRow(way) << QString::fromLatin1(way);
        }
    }

    void ChildNodesComeWhenNeeded() {
        QFETCH(QString, way);
        TreeSetup tree;
        auto* session = new CFakeItem("S");
        for (const char* name : {"S1", "S2", "S3"}) {
            (new CFakeItem(name))->InsertIntoTree(session);
        }
        session->InsertIntoTree(tree.desktop);
        QTreeWidgetItem* node = CQtItemTree::NodeOf(session);
        QVERIFY(CQtItemTree::HasExpandButton(node) && node->childCount() == 0);
        auto* child = static_cast<CTreeItem*>(session->GetChildAt(1));

        if (way == "expand button") {
            const QRect label = tree.view().NodeLabelRect(node);
            QTest::mouseClick(tree.view().viewport(), Qt::LeftButton, {},
                              {label.left() - tree.view().indentation() / 2, label.center().y()});
            QVERIFY(session->IsExpanded() && node->isExpanded());
        } else if (way == "right arrow key") {
            tree.select(session);
            QTest::keyClick(&tree.view(), Qt::Key_Right);
            QVERIFY(session->IsExpanded() && node->isExpanded());
        } else if (way == "select") {
            tree.select(child);
            QCOMPARE(tree.view().currentItem(), CQtItemTree::NodeOf(child));
        } else if (way == "rename") {
            QTest::keyClick(tree.startRename(child, "S1"), Qt::Key_Return);
            QTest::qWait(0);
            QCOMPARE(QString::fromStdString(tree.shell.LastMessage()),
                     QStringLiteral("Cannot rename S2.\n\nAn item named S1 already exists."));
            tree.view().LabelEditor()->setText("S9");
            QTest::keyClick(tree.view().LabelEditor(), Qt::Key_Return);
            QTest::qWait(0);
            QCOMPARE(CQtItemTree::NodeOf(child)->text(0), QStringLiteral("S9"));
        } else if (way == "delete") {
            tree.select(child);
            QTest::keyClick(&tree.view(), Qt::Key_Delete);
            QCOMPARE(tree.children(session), QStringLiteral("S1 S3"));
            tree.shell.Action(ID_EDIT_UNDO)->trigger();
            QCOMPARE(tree.view().GetSelectedItem(), child);
        }
        QCOMPARE(tree.children(session),
                 way == "rename" ? QStringLiteral("S1 S9 S3") : QStringLiteral("S1 S2 S3"));
        QVERIFY(!CQtItemTree::HasExpandButton(node) || node->childCount() == 3);
    }

    void CopyPrintAndHelp() {
        TreeSetup tree;
        tree.select(tree.b);
        tree.shell.Action(ID_EDIT_COPY)->trigger();
        QCOMPARE(tree.shell.prompts.Clipboard(), std::string("Text of B"));

        // Printing: the same text, in a fixed-pitch font, on a page that is not blank.
        const auto layout = MakePrintDocument("North:\tAnn\r\n");
        const QFontMetricsF metrics(layout->defaultFont());
        QCOMPARE(metrics.horizontalAdvance("iiii"), metrics.horizontalAdvance("WWWW"));
        QCOMPARE(layout->toPlainText(), QStringLiteral("North:\tAnn\n"));
        const QString pdf = tree.shell.TempPath("printed.pdf");
        SharedPrinter().setOutputFormat(QPrinter::PdfFormat);
        SharedPrinter().setOutputFileName(pdf);
        tree.shell.Action(ID_FILE_PRINT_DIRECT)->trigger();
        SharedPrinter().setOutputFileName(QString());
        QVERIFY(QFile(pdf).size() > 1000);

        // Help follows the selected item's kind; every kind, dialog and sheet has a page.
        tree.select(tree.desktop);
        tree.shell.Action(ID_HELP)->trigger();
        QCOMPARE(CHelpWindow::Instance()->Browser()->source().toString(),
                 QStringLiteral("qrc:/help/desktop.html"));
        tree.select(tree.a);
        tree.shell.Action(ID_HELP)->trigger();
        QCOMPARE(CHelpWindow::Instance()->Browser()->source().toString(),
                 QStringLiteral("qrc:/help/session.html"));
        CHelpWindow::Instance()->close();
        for (unsigned context : {61463u, 61808u, 61809u, 187u, 251u, 252u, 257u, 383u, 387u, 392u,
                                 393u, unsigned{IDH_GENERATING_DEALS}}) {
            const QString url = CHelpWindow::TopicUrl(context);
            QVERIFY2(QFile::exists(url.mid(3)) && !url.endsWith("index.html"), qPrintable(url));
        }
    }
};

QTEST_MAIN(TreeViewTest)
#include "test_tree_view.moc"
