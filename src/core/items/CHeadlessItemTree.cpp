#include "core/items/CHeadlessItemTree.h"

#include <algorithm>
#include <vector>

#include "core/items/CLorvaneDoc.h"
#include "core/items/CTreeItem.h"

struct CHeadlessItemTree::TreeNode {
    CTreeItem* item = nullptr;
    TreeNode* parent = nullptr;
    std::vector<TreeNode*> children;
    bool expanded = false;
    bool childIndicator = false;
};

CHeadlessItemTree::CHeadlessItemTree(CLorvaneDoc* document)
    : m_document(document), m_root(std::make_unique<TreeNode>()) {}

CHeadlessItemTree::~CHeadlessItemTree() {
    while (!m_root->children.empty()) {
        DeleteNode(m_root->children.back());
    }
}

CItemTree::Node CHeadlessItemTree::InsertNode(Node parent, CTreeItem* item) {
    auto* parentNode = parent != nullptr ? static_cast<TreeNode*>(parent) : m_root.get();
    auto* node = new TreeNode;
    node->item = item;
    node->parent = parentNode;
    parentNode->children.push_back(node);
    ++m_nodeCount;
    return node;
}

void CHeadlessItemTree::PlaceNode(Node node, int index) {
    auto* treeNode = static_cast<TreeNode*>(node);
    std::vector<TreeNode*>& siblings = treeNode->parent->children;
    siblings.erase(std::find(siblings.begin(), siblings.end(), treeNode));
    const auto place = static_cast<std::size_t>(std::max(index, 0));
    siblings.insert(
        siblings.begin() + static_cast<std::ptrdiff_t>(std::min(place, siblings.size())), treeNode);
}

void CHeadlessItemTree::DeleteSubtree(TreeNode* node) {
    for (TreeNode* child : node->children) {
        DeleteSubtree(child);
    }
    if (m_selected == node) {
        m_selected = nullptr;
    }
    --m_nodeCount;
    delete node;
}

void CHeadlessItemTree::DeleteNode(Node node) {
    auto* treeNode = static_cast<TreeNode*>(node);
    auto& siblings = treeNode->parent->children;
    // Deleting from the end is the common case (the last deal, closing a document).
    auto it = std::find(siblings.rbegin(), siblings.rend(), treeNode);
    if (it != siblings.rend()) {
        siblings.erase(std::next(it).base());
    }
    DeleteSubtree(treeNode);
}

bool CHeadlessItemTree::ExpandNode(Node node, bool expand) {
    auto* treeNode = static_cast<TreeNode*>(node);
    if (treeNode->children.empty()) {
        return false;
    }
    treeNode->expanded = expand;
    return true;
}

void CHeadlessItemTree::ShowChildIndicator(Node node, bool show) {
    static_cast<TreeNode*>(node)->childIndicator = show;
}

void CHeadlessItemTree::SelectNode(Node node) {
    m_selected = static_cast<TreeNode*>(node);
}

void CHeadlessItemTree::EditNodeLabel(Node) {}

void CHeadlessItemTree::RedrawNode(Node) {}

void CHeadlessItemTree::SortChildren(CTreeItem* item) {
    auto* node = static_cast<TreeNode*>(item->GetNode());
    if (node == nullptr) {
        return;
    }
    std::stable_sort(node->children.begin(), node->children.end(),
                     [item](const TreeNode* a, const TreeNode* b) {
                         return CTreeItem::CompareChildren(*a->item, *b->item, *item) < 0;
                     });
}

void CHeadlessItemTree::AddBitmap(unsigned) {}

bool CHeadlessItemTree::WasLastRightPressOnItem() const {
    return false;
}

void CHeadlessItemTree::ShowContextMenu(unsigned, int, int) {}

void CHeadlessItemTree::SetDocumentModified() {
    if (m_document != nullptr) {
        m_document->SetModifiedFlag(true);
    }
}

CTreeItem* CHeadlessItemTree::GetItem(Node node) const {
    return node != nullptr ? static_cast<const TreeNode*>(node)->item : nullptr;
}

CTreeItem* CHeadlessItemTree::GetSelectedItem() const {
    return m_selected != nullptr ? m_selected->item : nullptr;
}

bool CHeadlessItemTree::IsNodeExpanded(Node node) const {
    return static_cast<const TreeNode*>(node)->expanded;
}

bool CHeadlessItemTree::HasChildIndicator(Node node) const {
    return static_cast<const TreeNode*>(node)->childIndicator;
}

std::vector<CTreeItem*> CHeadlessItemTree::GetChildItems(Node node) const {
    const TreeNode* treeNode = node != nullptr ? static_cast<const TreeNode*>(node) : m_root.get();
    std::vector<CTreeItem*> items;
    for (const TreeNode* child : treeNode->children) {
        items.push_back(child->item);
    }
    return items;
}
