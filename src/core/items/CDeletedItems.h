#pragma once

#include <memory>
#include <vector>

class CTreeItem;

// What Delete and Clear All took out of a document, newest last, kept with the place each
// item had so that Undo can put it back, children and all, for as long as the document is
// open.
class CDeletedItems {
public:
    CDeletedItems();
    ~CDeletedItems();
    CDeletedItems(const CDeletedItems&) = delete;
    CDeletedItems& operator=(const CDeletedItems&) = delete;

    // Takes the children that may be deleted out of parent (and out of the tree), as one
    // step. Nothing is kept when none may be deleted.
    void Delete(CTreeItem* parent, const std::vector<CTreeItem*>& children);
    bool CanUndo() const { return !m_steps.empty(); }
    // Puts the newest step's items back where they were; returns the first of them, or null.
    CTreeItem* Undo();

private:
    struct Removed {
        CTreeItem* parent;
        int index;
        std::unique_ptr<CTreeItem> item;
    };
    std::vector<std::vector<Removed>> m_steps;
};
