#pragma once

#include <QLineEdit>
#include <QPoint>
#include <QPointer>
#include <QTreeWidget>
#include <memory>

#include "core/items/CDeletedItems.h"

class CGuiDocument;
class CQtItemTree;
class CTreeItem;
class ICommandUI;

// A document window's tree of items. Every command of the window reaches it and goes on to
// the selected item (or to the Desktop for what belongs to the whole document).
class CLorvaneView : public QTreeWidget {
    Q_OBJECT

public:
    explicit CLorvaneView(CGuiDocument* document, QWidget* parent = nullptr);
    ~CLorvaneView() override;

    // Gives the document's items their nodes and selects the first bidding session.
    void OnInitialUpdate();

    CGuiDocument* GetDocument() const { return m_document; }
    CQtItemTree& Tree() const { return *m_tree; }
    CTreeItem* GetSelectedItem() const;

    // The commands this view answers for, their enable state and their execution.
    static bool IsViewCommand(unsigned id);
    void UpdateCommand(ICommandUI& commandUI);
    void OnCommand(unsigned id);
    // The help context of the selection: its kind, or 0.
    unsigned GetHelpContext() const;

    // For the tree controller.
    void StartLabelEdit(QTreeWidgetItem* node);
    void CommitLabelEdit();
    void DiscardLabelEdit();
    // The edit box of the label being edited, or null.
    QLineEdit* LabelEditor() const { return m_editor; }
    void ShowContextMenu(unsigned menuId, QPoint globalPos);
    // The part of a node's row that shows its picture and label.
    QRect NodeLabelRect(QTreeWidgetItem* node) const;
    // The node whose picture, label or expand button is at the point, or null.
    QTreeWidgetItem* NodeAt(QPoint viewportPos, bool* onButton = nullptr) const;

signals:
    // A context menu of the given resource id, to be shown with the window's commands.
    void ContextMenuRequested(unsigned menuId, QPoint globalPos);
    // Something that enables or disables commands changed (selection, edit, document).
    void CommandStateChanged();
    // F1 on the view: the help of the selected item's kind.
    void HelpRequested(unsigned context);

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void commitData(QWidget* editor) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool IsCommandEnabled(unsigned id, CTreeItem* selected);
    void ClearAll(CTreeItem* selected);
    void DeleteSelected(CTreeItem* selected);
    void DetachItems();

    CGuiDocument* m_document;
    std::unique_ptr<CQtItemTree> m_tree;
    CDeletedItems m_deleted;  // for Undo, while the document is open
    QPointer<QLineEdit> m_editor;
    std::string m_committedText;
    bool m_commitPending = false;
    bool m_closing = false;
    bool m_suppressClickEdit = false;
    QTreeWidgetItem* m_dragCandidate = nullptr;
    QPoint m_pressPos;
};
