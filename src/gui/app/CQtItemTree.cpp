#include "gui/app/CQtItemTree.h"

#include <QApplication>
#include <QLabel>
#include <algorithm>

#include "core/items/CTreeItem.h"
#include "gui/app/CGuiDocument.h"
#include "gui/app/CLorvaneView.h"
#include "gui/app/CTreeNode.h"

namespace {
CTreeNode* AsNode(CItemTree::Node node) {
    return static_cast<CTreeNode*>(node);
}
}  // namespace

CQtItemTree::CQtItemTree(CLorvaneView& view, CGuiDocument* document)
    : m_view(view), m_document(document) {}

CQtItemTree::~CQtItemTree() {
    if (m_dragging) {
        EndDrag(false);
    }
}

CItemTree::Node CQtItemTree::InsertNode(Node parent, CTreeItem* item) {
    auto* node = new CTreeNode(item);
    if (parent != nullptr) {
        AsNode(parent)->addChild(node);
    } else {
        m_view.addTopLevelItem(node);
    }
    return node;
}

void CQtItemTree::InsertNodes(Node parent, const std::vector<CTreeItem*>& items,
                              std::vector<Node>& nodes) {
    QList<QTreeWidgetItem*> made;
    made.reserve(static_cast<qsizetype>(items.size()));
    nodes.clear();
    nodes.reserve(items.size());
    for (CTreeItem* item : items) {
        auto* node = new CTreeNode(item);
        made.append(node);
        nodes.push_back(node);
    }
    // One insertion tells the view once, where adding them one by one would tell it each time.
    if (parent != nullptr) {
        AsNode(parent)->addChildren(made);
    } else {
        m_view.addTopLevelItems(made);
    }
}

void CQtItemTree::ShowChildIndicator(Node node, bool show) {
    AsNode(node)->setChildIndicatorPolicy(show ? QTreeWidgetItem::ShowIndicator
                                               : QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

void CQtItemTree::PlaceNode(Node node, int index) {
    CTreeNode* treeNode = AsNode(node);
    QTreeWidgetItem* parent = treeNode->parent();
    const int from =
        parent != nullptr ? parent->indexOfChild(treeNode) : m_view.indexOfTopLevelItem(treeNode);
    const int count = parent != nullptr ? parent->childCount() : m_view.topLevelItemCount();
    const int to = std::clamp(index, 0, count - 1);
    if (from == to) {
        return;
    }
    if (parent != nullptr) {
        parent->insertChild(to, parent->takeChild(from));
    } else {
        m_view.insertTopLevelItem(to, m_view.takeTopLevelItem(from));
    }
}

void CQtItemTree::DeleteNode(Node node) {
    CTreeNode* treeNode = AsNode(node);
    if (m_dragging && (treeNode == m_dragSource || treeNode == m_dropTarget)) {
        EndDrag(false);
    }
    if (m_editing && m_editedItem != nullptr) {
        for (QTreeWidgetItem* walk = NodeOf(m_editedItem); walk != nullptr; walk = walk->parent()) {
            if (walk == treeNode) {
                m_view.DiscardLabelEdit();
                AbandonLabelEdit();
                break;
            }
        }
    }
    delete treeNode;
}

bool CQtItemTree::ExpandNode(Node node, bool expand) {
    CTreeNode* treeNode = AsNode(node);
    if (treeNode->childCount() == 0) {
        return false;
    }
    treeNode->setExpanded(expand);
    return true;
}

void CQtItemTree::SelectNode(Node node) {
    if (node == nullptr) {
        m_view.setCurrentItem(nullptr);
        return;
    }
    m_view.setCurrentItem(AsNode(node));
    m_view.scrollToItem(AsNode(node));
}

void CQtItemTree::EditNodeLabel(Node node) {
    if (node != nullptr) {
        m_view.StartLabelEdit(AsNode(node));
    }
}

void CQtItemTree::RedrawNode(Node node) {
    if (node != nullptr) {
        AsNode(node)->Changed();
    }
}

void CQtItemTree::SortChildren(CTreeItem* item) {
    CTreeNode* node = AsNode(item->GetNode());
    // A kind that does not sort keeps the order of its children, so there is nothing to do.
    if (node == nullptr || !item->IsSortingChildren() || node->childCount() < 2) {
        return;
    }
    // The sort is stable, so children already in order stay as they are: one look along them
    // spares the sort of a large session, whose deals mostly come in board order.
    const bool ordered = CTreeItem::AreInOrder(
        node->childCount(), [node](int i) { return GetItem(node->child(i)); }, *item);
    if (!ordered) {
        node->sortChildren(0, Qt::AscendingOrder);
    }
}

void CQtItemTree::AddBitmap(unsigned bitmapId) {
    m_imageMap.Add(bitmapId);
}

void CQtItemTree::ShowContextMenu(unsigned menuId, int x, int y) {
    m_view.ShowContextMenu(menuId, QPoint(x, y));
}

void CQtItemTree::SetDocumentModified() {
    if (m_document != nullptr) {
        m_document->SetModifiedFlag(true);
    }
}

CTreeItem* CQtItemTree::GetItem(const QTreeWidgetItem* node) {
    if (node == nullptr || node->type() != CTreeNode::kType) {
        return nullptr;
    }
    return static_cast<const CTreeNode*>(node)->Item();
}

QTreeWidgetItem* CQtItemTree::NodeOf(const CTreeItem* item) {
    return item != nullptr ? AsNode(item->GetNode()) : nullptr;
}

bool CQtItemTree::HasExpandButton(const QTreeWidgetItem* node) {
    return node->childCount() > 0 || node->childIndicatorPolicy() == QTreeWidgetItem::ShowIndicator;
}

CTreeItem* CQtItemTree::GetSelectedItem() const {
    return GetItem(m_view.currentItem());
}

CTreeItem* CQtItemTree::GetParentItem(const CTreeItem* item) const {
    const QTreeWidgetItem* node = NodeOf(item);
    return node != nullptr ? GetItem(node->parent()) : nullptr;
}

bool CQtItemTree::IsEditing(bool endEdit) {
    if (m_editing && m_view.LabelEditor() == nullptr) {
        // No edit box is open, so nothing could ever end this edit.
        AbandonLabelEdit();
    }
    if (endEdit && m_editing) {
        m_view.CommitLabelEdit();
    }
    return m_editing;
}

void CQtItemTree::AbandonLabelEdit() {
    m_editing = false;
    m_editedItem = nullptr;
}

bool CQtItemTree::BeginLabelEdit(QTreeWidgetItem* node) {
    CTreeItem* item = GetItem(node);
    if (item == nullptr || !item->CanRename() || m_editing || m_dragging) {
        return false;
    }
    m_editing = true;
    m_editedItem = item;
    return true;
}

void CQtItemTree::EndLabelEdit(const std::string* text) {
    if (!m_editing) {
        return;
    }
    m_editing = false;
    CTreeItem* item = m_editedItem;
    m_editedItem = nullptr;
    if (item == nullptr) {
        return;
    }
    std::string name = text != nullptr ? *text : item->GetName();
    if (!item->IsNameValid(name, GetParentItem(item), 1)) {
        // The person corrects the name in a new edit box; the item keeps its old name.
        EditNodeLabel(item->GetNode());
        return;
    }
    // Enter on the unchanged name changes nothing, so it does not mark the document modified.
    if (text != nullptr && name != item->GetName()) {
        item->AdjustUniqueName(name);
        item->SetName(name);
        item->SetModified();
        RedrawNode(item->GetNode());
    }
}

void CQtItemTree::OnNodeExpanded(QTreeWidgetItem* node, bool expanded) {
    CTreeItem* item = GetItem(node);
    if (item == nullptr) {
        return;
    }
    if (expanded) {
        // Qt expanded a node whose children have no nodes yet (a key or a double click).
        item->MakeChildNodes();
        SortChildren(item);
    }
    SetExpanded(item, expanded);
}

// ---- Dragging ----

bool CQtItemTree::IsDropHighlighted(const QTreeWidgetItem* node) const {
    return m_dragging && m_dropAllowed && node == m_dropTarget && node != m_dragSource;
}

void CQtItemTree::BeginDrag(QTreeWidgetItem* node, QPoint viewportPos) {
    CTreeItem* item = GetItem(node);
    if (item == nullptr || !item->CanDrag() || m_dragging) {
        return;
    }
    m_dragging = true;
    m_dragSource = node;
    m_dropTarget = nullptr;
    m_dropAllowed = true;
    m_forbiddenCursor = false;

    auto* image =
        new QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput);
    image->setObjectName(QStringLiteral("dragImage"));
    image->setAttribute(Qt::WA_DeleteOnClose);
    image->setPixmap(m_view.viewport()->grab(m_view.NodeLabelRect(node)));
    image->setWindowOpacity(0.7);
    m_dragImage = image;
    MoveDragImage(viewportPos);
    image->show();
    m_view.viewport()->grabMouse();
}

bool CQtItemTree::AcceptsDrop(QTreeWidgetItem* target) const {
    CTreeItem* source = GetItem(m_dragSource);
    CTreeItem* targetItem = GetItem(target);
    return source != nullptr && targetItem != nullptr && target != m_dragSource &&
           target != m_dragSource->parent() && targetItem->CanAcceptChild(source->GetKind()) &&
           source->CanMoveTo(targetItem) && !source->IsAncestorOf(targetItem);
}

void CQtItemTree::DragMove(QPoint viewportPos) {
    if (!m_dragging) {
        return;
    }
    MoveDragImage(viewportPos);
    QTreeWidgetItem* over = m_view.itemAt(viewportPos);
    if (over == nullptr) {
        return;
    }
    QTreeWidgetItem* previous = m_dropTarget;
    if (AcceptsDrop(over)) {
        m_dropTarget = over;
        SetDropAllowed(true);
    } else {
        m_dropTarget = m_dragSource;
        SetDropAllowed(false);
    }
    if (previous != m_dropTarget) {
        if (auto* node = dynamic_cast<CTreeNode*>(previous)) {
            node->Changed();
        }
        if (auto* node = dynamic_cast<CTreeNode*>(m_dropTarget)) {
            node->Changed();
        }
    }
}

void CQtItemTree::SetDropAllowed(bool allowed) {
    if (allowed == m_dropAllowed) {
        return;  // the cursor changes only with the allowed state
    }
    m_dropAllowed = allowed;
    if (!allowed && !m_forbiddenCursor) {
        QApplication::setOverrideCursor(Qt::ForbiddenCursor);
        m_forbiddenCursor = true;
    } else if (allowed && m_forbiddenCursor) {
        QApplication::restoreOverrideCursor();
        m_forbiddenCursor = false;
    }
}

void CQtItemTree::MoveDragImage(QPoint viewportPos) {
    if (m_dragImage != nullptr) {
        m_dragImage->move(m_view.viewport()->mapToGlobal(viewportPos) + QPoint(12, 12));
    }
}

void CQtItemTree::EndDrag(bool drop) {
    if (!m_dragging) {
        return;
    }
    m_dragging = false;
    m_view.viewport()->releaseMouse();
    if (m_dragImage != nullptr) {
        m_dragImage->close();
    }
    if (m_forbiddenCursor) {
        QApplication::restoreOverrideCursor();
        m_forbiddenCursor = false;
    }
    QTreeWidgetItem* target = m_dropTarget;
    QTreeWidgetItem* source = m_dragSource;
    m_dropTarget = nullptr;
    m_dragSource = nullptr;
    if (auto* node = dynamic_cast<CTreeNode*>(target)) {
        node->Changed();
    }
    if (!drop || target == nullptr || target == source || !m_dropAllowed) {
        return;
    }
    CTreeItem* sourceItem = GetItem(source);
    CTreeItem* targetItem = GetItem(target);
    if (sourceItem == nullptr || targetItem == nullptr ||
        !sourceItem->IsNameValid(sourceItem->GetName(), targetItem, 2)) {
        return;
    }
    sourceItem->MoveTo(targetItem, -1);
    sourceItem->MoveInTree(targetItem);
}
