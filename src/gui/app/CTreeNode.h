#pragma once

#include <QTreeWidgetItem>

class CQtItemTree;
class CTreeItem;

// A node of the tree view. It keeps no label or picture of its own: it asks its item for
// them whenever the view paints it, so a renamed or reloaded item never shows stale text.
class CTreeNode final : public QTreeWidgetItem {
public:
    static constexpr int kType = QTreeWidgetItem::UserType + 1;

    explicit CTreeNode(CTreeItem* item);

    // A large session's nodes come by the hundred thousand: they are carved from blocks
    // rather than asked of the heap one by one.
    static void* operator new(std::size_t size);
    static void operator delete(void* node) noexcept;

    CTreeItem* Item() const { return m_item; }
    QVariant data(int column, int role) const override;
    // The order of the children of one node, by the parent item's sort rule.
    bool operator<(const QTreeWidgetItem& other) const override;
    // Tells the view that label or picture changed.
    void Changed() { emitDataChanged(); }

private:
    // The controller of the view that shows the node (null outside one); a large session has
    // many nodes, so they do not keep it themselves.
    const CQtItemTree* Tree() const;

    CTreeItem* m_item;
};
