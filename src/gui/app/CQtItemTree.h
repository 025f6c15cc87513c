#pragma once

#include <QPoint>
#include <QPointer>
#include <QSet>
#include <string>

#include "core/items/CItemTree.h"
#include "gui/app/CTreeImageMap.h"

class CGuiDocument;
class CLorvaneView;
class QLabel;
class QTreeWidgetItem;

// The tree controller of a document window: the host of the items' nodes in the view's
// QTreeWidget, with the state of label editing, dragging and the last right press.
class CQtItemTree : public CItemTree {
public:
    CQtItemTree(CLorvaneView& view, CGuiDocument* document);
    ~CQtItemTree() override;
    CQtItemTree(const CQtItemTree&) = delete;
    CQtItemTree& operator=(const CQtItemTree&) = delete;

    Node InsertNode(Node parent, CTreeItem* item) override;
    void InsertNodes(Node parent, const std::vector<CTreeItem*>& items,
                     std::vector<Node>& nodes) override;
    void ShowChildIndicator(Node node, bool show) override;
    void PlaceNode(Node node, int index) override;
    void DeleteNode(Node node) override;
    bool ExpandNode(Node node, bool expand) override;
    void SelectNode(Node node) override;
    void EditNodeLabel(Node node) override;
    void RedrawNode(Node node) override;
    void SortChildren(CTreeItem* item) override;
    void AddBitmap(unsigned bitmapId) override;
    bool WasLastRightPressOnItem() const override { return m_rightPressOnItem; }
    void ShowContextMenu(unsigned menuId, int x, int y) override;
    void SetDocumentModified() override;

    CTreeItem* GetSelectedItem() const;
    static CTreeItem* GetItem(const QTreeWidgetItem* node);
    static QTreeWidgetItem* NodeOf(const CTreeItem* item);
    // Whether the node shows an expand button: it has child nodes or children still without.
    static bool HasExpandButton(const QTreeWidgetItem* node);
    // The item of the parent node; null for a root node.
    CTreeItem* GetParentItem(const CTreeItem* item) const;
    const CTreeImageMap& ImageMap() const { return m_imageMap; }

    // With endEdit, an edit in progress is first ended as if Enter was pressed. True while an
    // edit is (still) in progress: a name that was refused reopens the edit box.
    bool IsEditing(bool endEdit);
    CTreeItem* GetEditedItem() const { return m_editing ? m_editedItem : nullptr; }

    // From the view.
    bool BeginLabelEdit(QTreeWidgetItem* node);
    // The end of an edit: the edited text, or null when the edit was cancelled.
    void EndLabelEdit(const std::string* text);
    // Forgets an edit whose edit box is gone, without touching the name.
    void AbandonLabelEdit();
    void OnNodeExpanded(QTreeWidgetItem* node, bool expanded);
    void SetRightPressOnItem(bool onItem) { m_rightPressOnItem = onItem; }

    // Dragging (moves only).
    void BeginDrag(QTreeWidgetItem* node, QPoint viewportPos);
    void DragMove(QPoint viewportPos);
    void EndDrag(bool drop);
    bool IsDragging() const { return m_dragging; }
    bool IsDropAllowed() const { return m_dropAllowed; }
    bool IsDropHighlighted(const QTreeWidgetItem* node) const;

private:
    bool AcceptsDrop(QTreeWidgetItem* target) const;
    void SetDropAllowed(bool allowed);
    void MoveDragImage(QPoint viewportPos);

    CLorvaneView& m_view;
    CGuiDocument* m_document;
    CTreeImageMap m_imageMap;
    bool m_editing = false;
    CTreeItem* m_editedItem = nullptr;
    bool m_dragging = false;
    QPointer<QLabel> m_dragImage;
    QTreeWidgetItem* m_dragSource = nullptr;
    QTreeWidgetItem* m_dropTarget = nullptr;
    bool m_dropAllowed = true;
    bool m_forbiddenCursor = false;
    bool m_rightPressOnItem = true;
};
