#pragma once

#include <string>
#include <vector>

class CTreeItem;

// What a tree item needs of the tree that shows it: the host of its node. The GUI's tree
// view implements it over its tree control; CHeadlessItemTree keeps nodes without drawing.
class CItemTree {
public:
    using Node = void*;

    virtual ~CItemTree() = default;

    // A new node holding item, as the last child of parent (null: a root node).
    virtual Node InsertNode(Node parent, CTreeItem* item) = 0;
    // New nodes for the items, in that order, after the last child of parent: nodes[i] holds
    // items[i]. A host that can add many nodes at once cheaper than one by one overrides it.
    virtual void InsertNodes(Node parent, const std::vector<CTreeItem*>& items,
                             std::vector<Node>& nodes);
    // Whether the node offers to expand although its children have no nodes yet (they get
    // them when it first expands).
    virtual void ShowChildIndicator(Node node, bool show) = 0;
    // Moves the node to that place among its sibling nodes (the last place when beyond).
    virtual void PlaceNode(Node node, int index) = 0;
    // Deletes the node and every node below it.
    virtual void DeleteNode(Node node) = 0;
    // Expands or collapses the node; false when that changed nothing because the node has no
    // child nodes. A host that reports the new state back sets the item's expanded flag.
    virtual bool ExpandNode(Node node, bool expand) = 0;
    virtual void SelectNode(Node node) = 0;
    virtual void EditNodeLabel(Node node) = 0;
    virtual void RedrawNode(Node node) = 0;
    // Orders the item's child nodes by CTreeItem::CompareChildren.
    virtual void SortChildren(CTreeItem* item) = 0;
    // Makes the picture with that bitmap id available to the nodes.
    virtual void AddBitmap(unsigned bitmapId) = 0;
    // Whether the last mouse press was a right press on a node.
    virtual bool WasLastRightPressOnItem() const = 0;
    // Shows the context menu at a screen point; its commands reach the active view.
    virtual void ShowContextMenu(unsigned menuId, int x, int y) = 0;
    virtual void SetDocumentModified() = 0;

    // The node's expanded state as the host reports it.
    void SetExpanded(CTreeItem* item, bool expanded);
};

// The command-interface of a menu entry or button while its state is being updated.
class ICommandUI {
public:
    virtual ~ICommandUI() = default;
    virtual unsigned GetId() const = 0;
    virtual void Enable(bool enable) = 0;
    virtual void SetText(const std::string& text) = 0;
};
