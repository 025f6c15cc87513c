#pragma once

#include <memory>
#include <vector>

#include "core/items/CItemTree.h"

class CLorvaneDoc;

// A tree host that keeps nodes without drawing them, so that a document handled without a
// window (lvtool, tests) gets the names and order it would get in the tree view.
class CHeadlessItemTree : public CItemTree {
public:
    explicit CHeadlessItemTree(CLorvaneDoc* document = nullptr);
    ~CHeadlessItemTree() override;

    Node InsertNode(Node parent, CTreeItem* item) override;
    void PlaceNode(Node node, int index) override;
    void DeleteNode(Node node) override;
    bool ExpandNode(Node node, bool expand) override;
    void ShowChildIndicator(Node node, bool show) override;
    void SelectNode(Node node) override;
    void EditNodeLabel(Node node) override;
    void RedrawNode(Node node) override;
    void SortChildren(CTreeItem* item) override;
    void AddBitmap(unsigned bitmapId) override;
    bool WasLastRightPressOnItem() const override;
    void ShowContextMenu(unsigned menuId, int x, int y) override;
    void SetDocumentModified() override;

    CTreeItem* GetItem(Node node) const;
    CTreeItem* GetSelectedItem() const;
    bool IsNodeExpanded(Node node) const;
    bool HasChildIndicator(Node node) const;
    int GetNodeCount() const { return m_nodeCount; }
    // The items of a node's child nodes, in node order (the root nodes for null).
    std::vector<CTreeItem*> GetChildItems(Node node) const;

private:
    struct TreeNode;
    void DeleteSubtree(TreeNode* node);

    CLorvaneDoc* m_document;
    std::unique_ptr<TreeNode> m_root;  // parent of the root nodes
    TreeNode* m_selected = nullptr;
    int m_nodeCount = 0;
};
