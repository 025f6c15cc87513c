#include "core/items/CTreeItem.h"

#include "core/items/ItemsStrings.h"
#include "core/platform/Prompts.h"

void CItemTree::InsertNodes(Node parent, const std::vector<CTreeItem*>& items,
                            std::vector<Node>& nodes) {
    nodes.clear();
    nodes.reserve(items.size());
    for (CTreeItem* item : items) {
        nodes.push_back(InsertNode(parent, item));
    }
}

void CItemTree::SetExpanded(CTreeItem* item, bool expanded) {
    item->SetExpandedFlag(expanded);
}

CTreeItem::CTreeItem(unsigned defaultNameId, int kind, unsigned image, unsigned expandedImage,
                     unsigned contextMenu)
    : CItem(defaultNameId, kind),
      m_image(static_cast<std::uint16_t>(image)),
      m_expandedImage(static_cast<std::uint16_t>(expandedImage)),
      m_contextMenu(static_cast<std::uint16_t>(contextMenu)) {}

void CTreeItem::SetModified() {
    if (m_tree != nullptr) {
        m_tree->SetDocumentModified();
    }
}

bool CTreeItem::IsShowingChildren() const {
    return m_showingChildren;
}

CTreeItem* CTreeItem::GetTreeParent() const {
    return dynamic_cast<CTreeItem*>(GetParent());
}

void CTreeItem::InsertIntoTree(CTreeItem* parent) {
    EnterTree(parent, false);
    if (parent != nullptr) {
        parent->UpdateChildIndicator();
    }
}

void CTreeItem::EnterTree(CTreeItem* parent, bool nameKnownUnique) {
    if (parent != nullptr) {
        if (GetParent() == nullptr) {
            AppendTo(parent, true);
        }
        if (parent->m_tree == nullptr) {
            return;
        }
        m_tree = parent->m_tree;
        if (parent->m_childNodesMade) {
            m_node = m_tree->InsertNode(parent->m_node, this);
            AddImages(nullptr);
        }
    } else {
        if (m_tree == nullptr) {
            return;
        }
        m_node = m_tree->InsertNode(nullptr, this);
        AddImages(nullptr);
    }
    if (!nameKnownUnique) {
        MakeNameUnique(parent);
    }
    if (IsShowingChildren()) {
        // A loaded document's names are unique already: one look along a large list then
        // spares every child the question of its own.
        const bool childNamesUnique = HasDistinctChildNames();
        POSITION pos;
        GetHeadChildPosition(pos);
        while (pos) {
            if (auto* child = GetNextChild(pos)->AsTreeItem()) {
                child->EnterTree(this, childNamesUnique);
            }
        }
    }
    UpdateChildIndicator();
    SetModified();
}

CItemTree::Node CTreeItem::MakeNode() {
    if (m_node == nullptr && m_tree != nullptr) {
        if (CTreeItem* parent = GetTreeParent()) {
            parent->MakeNode();
            parent->MakeChildNodes();
        }
    }
    return m_node;
}

void CTreeItem::MakeChildNodes() {
    if (m_childNodesMade || m_tree == nullptr || m_node == nullptr || !IsShowingChildren()) {
        return;
    }
    m_childNodesMade = true;
    std::vector<CTreeItem*> children;
    children.reserve(static_cast<std::size_t>(GetChildCount()));
    POSITION pos;
    GetHeadChildPosition(pos);
    while (pos) {
        if (auto* child = GetNextChild(pos)->AsTreeItem()) {
            children.push_back(child);
        }
    }
    std::vector<CItemTree::Node> nodes;
    m_tree->InsertNodes(m_node, children, nodes);
    const CTreeItem* previous = nullptr;
    for (std::size_t i = 0; i < children.size(); ++i) {
        children[i]->m_node = nodes[i];
        children[i]->AddImages(previous);
        if (children[i]->HasShownChildren()) {
            children[i]->UpdateChildIndicator();
        }
        previous = children[i];
    }
    UpdateChildIndicator();
}

// Siblings mostly share their pictures, so a run of them asks the host once.
void CTreeItem::AddImages(const CTreeItem* previous) {
    if (previous == nullptr || previous->m_image != m_image ||
        previous->m_expandedImage != m_expandedImage) {
        m_tree->AddBitmap(m_image);
        m_tree->AddBitmap(m_expandedImage);
    }
}

bool CTreeItem::HasShownChildren() const {
    if (GetChildCount() == 0 || !IsShowingChildren()) {
        return false;
    }
    POSITION pos;
    GetHeadChildPosition(pos);
    while (pos) {
        if (GetNextChild(pos)->AsTreeItem() != nullptr) {
            return true;
        }
    }
    return false;
}

void CTreeItem::UpdateChildIndicator() {
    if (m_tree != nullptr && m_node != nullptr) {
        m_tree->ShowChildIndicator(m_node, !m_childNodesMade && HasShownChildren());
    }
}

// Names the item "base (2)", "base (3)" ... until no sibling has its name. The parent
// remembers which numbers are taken, so a long run of clashes does not start over at 2.
void CTreeItem::MakeNameUnique(CTreeItem* parent) {
    if (IsNameValid(GetName(), parent, 0)) {
        return;
    }
    const std::string base = GetName();
    int counter = parent != nullptr ? parent->FirstFreeSuffix(base) - 1 : 1;
    bool valid = false;
    while (!valid) {
        ++counter;
        std::string candidate = base + " (" + std::to_string(counter) + ")";
        AdjustUniqueName(candidate);
        SetName(candidate);
        valid = IsNameValid(GetName(), parent, 0);
        if (parent != nullptr) {
            parent->NoteSuffixTaken(base, counter);
        }
    }
}

void CTreeItem::AddToTree(CTreeItem* parent, bool editLabel) {
    InsertIntoTree(parent);
    parent->Expand(true, false);
    Select();
    if (editLabel) {
        EditLabel();
    }
}

void CTreeItem::RemoveFromTree() {
    CTreeItem* parent = GetTreeParent();
    if (m_tree != nullptr) {
        const bool hasChildNodes = m_node != nullptr && (m_tree->ExpandNode(m_node, false) ||
                                                         m_tree->ExpandNode(m_node, true));
        // A leaf can neither collapse nor expand, so its parent is collapsed.
        if (!hasChildNodes && !HasShownChildren() && parent != nullptr) {
            parent->Expand(false, false);
        }
        if (m_node != nullptr) {
            m_tree->DeleteNode(m_node);
        }
        ForgetNodes();
    }
    Detach();
    if (parent != nullptr) {
        parent->UpdateChildIndicator();
    }
}

void CTreeItem::ForgetNodes() {
    m_tree = nullptr;
    m_node = nullptr;
    m_childNodesMade = false;
    POSITION pos;
    GetHeadChildPosition(pos);
    while (pos) {
        if (auto* child = GetNextChild(pos)->AsTreeItem()) {
            child->ForgetNodes();
        }
    }
}

void CTreeItem::MoveInTree(CTreeItem* newParent) {
    Expand(false, true);
    RemoveFromTree();
    InsertIntoTree(newParent);
}

bool CTreeItem::CanAcceptChild(int kind) const {
    return CanAcceptChild(0, kind);
}

bool CTreeItem::CanAcceptChild(int, int) const {
    return false;
}

bool CTreeItem::CanMoveTo(CTreeItem*) const {
    return true;
}

bool CTreeItem::IsAncestorOf(const CTreeItem* item) const {
    for (const CItem* walk = item; walk != nullptr; walk = walk->GetParent()) {
        if (walk == this) {
            return true;
        }
    }
    return false;
}

bool CTreeItem::CanDelete() const {
    return m_canDelete;
}

void CTreeItem::OnDeleted() {}

void CTreeItem::AdjustUniqueName(std::string&) {}

bool CTreeItem::CanCopy() const {
    return m_canCopy;
}

bool CTreeItem::CanCut() const {
    return m_canCut;
}

bool CTreeItem::CanPaste() const {
    return m_canPaste;
}

void CTreeItem::OnUpdateCommand(ICommandUI*) {}

bool CTreeItem::OnCommand(CItemTree*, unsigned) {
    return false;
}

bool CTreeItem::OnDoubleClick(CItemTree*) {
    return false;
}

void CTreeItem::Expand(bool expand, bool recurse) {
    if (expand) {
        MakeNode();
        for (CTreeItem* ancestor = GetTreeParent(); ancestor != nullptr;
             ancestor = ancestor->GetTreeParent()) {
            if (ancestor->m_node != nullptr) {
                ancestor->Expand(true, false);  // which expands the ancestors above it
                break;
            }
        }
        MakeChildNodes();
    }
    auto forEachChild = [this](auto action) {
        POSITION pos;
        GetHeadChildPosition(pos);
        while (pos) {
            if (auto* child = GetNextChild(pos)->AsTreeItem()) {
                action(*child);
            }
        }
    };
    if (!expand && recurse) {
        forEachChild([](CTreeItem& child) { child.Expand(false, true); });
    }
    if (m_expanded != expand) {
        if (m_tree != nullptr && m_node != nullptr) {
            m_tree->ExpandNode(m_node, expand);
        }
        if (m_expanded != expand) {
            if (m_tree != nullptr) {
                m_tree->SortChildren(this);
            }
            m_expanded = expand;
        }
    }
    if (expand && recurse) {
        forEachChild([](CTreeItem& child) { child.Expand(true, true); });
    }
}

void CTreeItem::Select() {
    if (m_tree != nullptr) {
        m_tree->SelectNode(MakeNode());
    }
}

void CTreeItem::EditLabel() {
    if (m_tree != nullptr) {
        m_tree->EditNodeLabel(MakeNode());
    }
}

void CTreeItem::DeleteChild(CTreeItem* child) {
    if (!child->CanDelete()) {
        return;
    }
    child->RemoveFromTree();
    child->OnDeleted();
    delete child;
    SetModified();
}

bool CTreeItem::IsNameValid(const std::string& name, const CTreeItem* parent, int mode) const {
    std::string message;
    if (name.empty()) {
        message = LoadString(IDS_NAME_EMPTY);
    } else if (parent != nullptr && mode >= 0 && parent->CountChildrenNamed(name, this) > 0) {
        message = mode == 2
                      ? FormatMessageText(LoadString(IDS_NAME_CLASH_MOVE), {name})
                      : FormatMessageText(LoadString(IDS_NAME_CLASH_RENAME), {GetName(), name});
    }
    if (message.empty()) {
        return true;
    }
    if (mode != 0) {
        ShowMessage(message, MessageIcon::Stop);
    }
    return false;
}

unsigned CTreeItem::GetImage() const {
    return m_expanded ? m_expandedImage : m_image;
}

void CTreeItem::SetImages(unsigned image, unsigned expandedImage) {
    m_image = static_cast<std::uint16_t>(image);
    m_expandedImage = static_cast<std::uint16_t>(expandedImage);
}

bool CTreeItem::HasContextMenu() const {
    return m_contextMenu != 0 && m_tree != nullptr && m_tree->WasLastRightPressOnItem();
}

void CTreeItem::ShowContextMenu(int x, int y) {
    if (HasContextMenu()) {
        m_tree->ShowContextMenu(m_contextMenu, x, y);
    }
}

void CTreeItem::Redraw() {
    if (m_tree != nullptr) {
        m_tree->RedrawNode(m_node);
    }
}

namespace {
// Where a child stands among its siblings before its name decides: its two sort keys.
struct SortKeys {
    long key;
    long key2;
};

SortKeys SortKeysOf(const CTreeItem& item) {
    return {item.GetSortKey(), item.GetSortKey2()};
}

// Negative, zero or positive as a stands before, with or after b: keys first, then names.
int CompareSiblings(const CTreeItem& a, const SortKeys& keysA, const CTreeItem& b,
                    const SortKeys& keysB) {
    if (keysA.key != keysB.key) {
        return keysA.key < keysB.key ? -1 : 1;
    }
    if (keysA.key2 != keysB.key2) {
        return keysA.key2 < keysB.key2 ? -1 : 1;
    }
    const int byName = a.GetName().compare(b.GetName());
    return byName < 0 ? -1 : (byName > 0 ? 1 : 0);
}
}  // namespace

int CTreeItem::CompareChildren(const CTreeItem& a, const CTreeItem& b, const CItem& parent) {
    if (!parent.IsSortingChildren()) {
        return 0;
    }
    return CompareSiblings(a, SortKeysOf(a), b, SortKeysOf(b));
}

bool CTreeItem::AreInOrder(int count, const std::function<const CTreeItem*(int)>& childAt,
                           const CItem& parent) {
    if (!parent.IsSortingChildren() || count < 2) {
        return true;
    }
    const CTreeItem* previous = childAt(0);
    SortKeys previousKeys = SortKeysOf(*previous);
    for (int i = 1; i < count; ++i) {
        const CTreeItem* child = childAt(i);
        const SortKeys keys = SortKeysOf(*child);
        if (CompareSiblings(*previous, previousKeys, *child, keys) > 0) {
            return false;
        }
        previous = child;
        previousKeys = keys;
    }
    return true;
}
