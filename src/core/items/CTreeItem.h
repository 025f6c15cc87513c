#pragma once

#include <cstdint>
#include <functional>

#include "core/items/CItem.h"
#include "core/items/CItemTree.h"

// An item shown as a node of the document's tree: the node's life, the rules that say which
// commands and edits the item allows, the command hooks, and unique names among siblings.
// Every item of a shown document belongs to the tree, but its node is made only when it is
// needed: the children of a node get theirs all at once, when it is first expanded or one of
// them is selected or edited. A large session that stays collapsed costs no nodes.
class CTreeItem : public CItem {
public:
    CTreeItem(unsigned defaultNameId, int kind, unsigned image, unsigned expandedImage,
              unsigned contextMenu);

    CTreeItem* AsTreeItem() override { return this; }
    virtual void SetModified();
    virtual bool IsShowingChildren() const;
    virtual void InsertIntoTree(CTreeItem* parent);
    virtual void AddToTree(CTreeItem* parent, bool editLabel);
    virtual void RemoveFromTree();
    virtual void MoveInTree(CTreeItem* newParent);
    virtual bool CanAcceptChild(int kind) const;
    virtual bool CanAcceptChild(int reserved, int kind) const;
    virtual bool CanMoveTo(CTreeItem* target) const;
    virtual bool IsAncestorOf(const CTreeItem* item) const;
    virtual bool CanDelete() const;
    virtual void OnDeleted();
    virtual void AdjustUniqueName(std::string& name);
    virtual bool CanCopy() const;
    virtual bool CanCut() const;
    virtual bool CanPaste() const;
    virtual void OnUpdateCommand(ICommandUI* commandUI);
    // With tree null a query whose answer enables the command; otherwise the command is
    // carried out, and true asks the view to redraw the node.
    virtual bool OnCommand(CItemTree* tree, unsigned id);
    virtual bool OnDoubleClick(CItemTree* tree);

    void Expand(bool expand, bool recurse);
    void Select();
    void EditLabel();
    void DeleteChild(CTreeItem* child);
    // The naming rule. Mode 0 answers silently, 1 (rename) and 2 (move) show the message,
    // a negative mode allows clashes.
    bool IsNameValid(const std::string& name, const CTreeItem* parent, int mode) const;
    unsigned GetImage() const;
    void SetImages(unsigned image, unsigned expandedImage);
    bool HasContextMenu() const;
    void ShowContextMenu(int x, int y);
    void Redraw();

    // The order of siblings in the tree: sort key, second sort key, then name, unless the
    // parent does not sort its children.
    static int CompareChildren(const CTreeItem& a, const CTreeItem& b, const CItem& parent);
    // Whether count children of parent, the i-th given by childAt(i), stand in that order
    // already. Each child's sort keys are asked once.
    static bool AreInOrder(int count, const std::function<const CTreeItem*(int)>& childAt,
                           const CItem& parent);

    CItemTree* GetTree() const { return m_tree; }
    void SetTree(CItemTree* tree) { m_tree = tree; }
    // Null while the parent has not made its children's nodes.
    CItemTree::Node GetNode() const { return m_node; }
    // The node, made first (with its ancestors' and siblings') when it is not there yet;
    // null outside a tree.
    CItemTree::Node MakeNode();
    // Gives every child its node, in the order of the child list, unless they have them.
    void MakeChildNodes();
    // The host deleted the nodes of the whole subtree, or the tree is going away.
    void ForgetNodes();
    bool IsExpanded() const { return m_expanded; }
    void SetExpandedFlag(bool expanded) { m_expanded = expanded; }
    CTreeItem* GetTreeParent() const;

    bool CanRename() const { return m_canRename; }
    bool CanClearAll() const { return m_canClearAll; }
    bool CanDrag() const { return m_canDrag; }
    void SetCanRename(bool can) { m_canRename = can; }
    void SetCanCopy(bool can) { m_canCopy = can; }
    void SetCanDelete(bool can) { m_canDelete = can; }
    void SetCanClearAll(bool can) { m_canClearAll = can; }
    void SetCanDrag(bool can) { m_canDrag = can; }

private:
    // nameKnownUnique: the item's name was found unique among its siblings beforehand.
    void EnterTree(CTreeItem* parent, bool nameKnownUnique);
    void MakeNameUnique(CTreeItem* parent);
    void AddImages(const CTreeItem* previous);
    // Whether the item has children that get nodes of their own.
    bool HasShownChildren() const;
    void UpdateChildIndicator();

    CItemTree* m_tree = nullptr;
    CItemTree::Node m_node = nullptr;
    // Picture and menu ids are resource numbers, 16 bits wide; with the flags as bits a
    // document of many deals spends as little as it can on them.
    std::uint16_t m_image;
    std::uint16_t m_expandedImage;
    std::uint16_t m_contextMenu;
    bool m_showingChildren : 1 = true;
    bool m_expanded : 1 = false;
    bool m_childNodesMade : 1 = false;
    bool m_canRename : 1 = true;
    bool m_canCopy : 1 = false;
    bool m_canCut : 1 = false;
    bool m_canPaste : 1 = false;
    bool m_canDelete : 1 = true;
    bool m_canClearAll : 1 = false;
    bool m_canDrag : 1 = true;
};
