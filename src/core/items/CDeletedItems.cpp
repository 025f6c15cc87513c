#include "core/items/CDeletedItems.h"

#include "core/items/CTreeItem.h"

CDeletedItems::CDeletedItems() = default;

CDeletedItems::~CDeletedItems() = default;

void CDeletedItems::Delete(CTreeItem* parent, const std::vector<CTreeItem*>& children) {
    std::vector<Removed> step;
    for (CTreeItem* child : children) {
        if (!child->CanDelete()) {
            continue;
        }
        const int index = child->GetIndex();
        child->RemoveFromTree();
        step.push_back({parent, index, std::unique_ptr<CTreeItem>(child)});
    }
    if (step.empty()) {
        return;
    }
    parent->SetModified();
    m_steps.push_back(std::move(step));
}

CTreeItem* CDeletedItems::Undo() {
    if (m_steps.empty()) {
        return nullptr;
    }
    std::vector<Removed> step = std::move(m_steps.back());
    m_steps.pop_back();
    CTreeItem* first = nullptr;
    // Each index was taken after the items before it had gone, so the last goes back first.
    for (auto removed = step.rbegin(); removed != step.rend(); ++removed) {
        CTreeItem* item = removed->item.release();
        item->InsertInto(removed->parent, removed->index, true);
        item->InsertIntoTree(removed->parent);
        // Without a node it takes its place when its parent makes its children's nodes.
        if (item->GetNode() != nullptr) {
            item->GetTree()->PlaceNode(item->GetNode(), removed->index);
        }
        first = item;
    }
    return first;
}
