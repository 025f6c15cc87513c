#pragma once

#include <string>
#include <vector>

#include "core/items/CHeadlessItemTree.h"
#include "core/items/CTreeItem.h"

// A headless tree host that also records the node changes the items asked of it (one line
// per call) and counts how often they marked the document modified.
class CRecordingItemTree : public CHeadlessItemTree {
public:
    using CHeadlessItemTree::CHeadlessItemTree;

    Node InsertNode(Node parent, CTreeItem* item) override {
        m_calls.push_back("insert " + item->GetName());
        return CHeadlessItemTree::InsertNode(parent, item);
    }
    void DeleteNode(Node node) override {
        m_calls.push_back("delete " + NameOf(node));
        CHeadlessItemTree::DeleteNode(node);
    }
    bool ExpandNode(Node node, bool expand) override {
        const bool changed = CHeadlessItemTree::ExpandNode(node, expand);
        m_calls.push_back((expand ? "expand " : "collapse ") + NameOf(node) +
                          (changed ? "" : " (no change)"));
        return changed;
    }
    void SortChildren(CTreeItem* item) override {
        m_calls.push_back("sort " + item->GetName());
        CHeadlessItemTree::SortChildren(item);
    }
    void SetDocumentModified() override {
        ++m_modifiedCount;
        CHeadlessItemTree::SetDocumentModified();
    }

    const std::vector<std::string>& Calls() const { return m_calls; }
    void ClearCalls() { m_calls.clear(); }
    int ModifiedCount() const { return m_modifiedCount; }

private:
    std::string NameOf(Node node) const {
        const CTreeItem* item = GetItem(node);
        return item != nullptr ? item->GetName() : "?";
    }

    std::vector<std::string> m_calls;
    int m_modifiedCount = 0;
};
