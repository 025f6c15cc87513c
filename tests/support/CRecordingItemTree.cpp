#include "CRecordingItemTree.h"

#include <algorithm>

#include "items/CTreeItem.h"

std::string CRecordingItemTree::NameOf(Node node) const {
    const CTreeItem* item = GetItem(node);
    return item != nullptr ? item->GetName() : "?";
}

CItemTree::Node CRecordingItemTree::InsertNode(Node parent, CTreeItem* item) {
    m_calls.push_back("insert " + item->GetName());
    return CHeadlessItemTree::InsertNode(parent, item);
}

void CRecordingItemTree::DeleteNode(Node node) {
    m_calls.push_back("delete " + NameOf(node));
    CHeadlessItemTree::DeleteNode(node);
}

bool CRecordingItemTree::ExpandNode(Node node, bool expand) {
    const bool changed = CHeadlessItemTree::ExpandNode(node, expand);
    m_calls.push_back(std::string(expand ? "expand " : "collapse ") + NameOf(node) +
                      (changed ? "" : " (no change)"));
    return changed;
}

void CRecordingItemTree::SelectNode(Node node) {
    m_calls.push_back("select " + NameOf(node));
    CHeadlessItemTree::SelectNode(node);
}

void CRecordingItemTree::EditNodeLabel(Node node) { m_calls.push_back("edit " + NameOf(node)); }

void CRecordingItemTree::SortChildren(CTreeItem* item) {
    m_calls.push_back("sort " + item->GetName());
    CHeadlessItemTree::SortChildren(item);
}

void CRecordingItemTree::AddBitmap(unsigned bitmapId) {
    if (std::find(m_bitmaps.begin(), m_bitmaps.end(), bitmapId) == m_bitmaps.end()) {
        m_bitmaps.push_back(bitmapId);
    }
}

void CRecordingItemTree::ShowContextMenu(unsigned menuId, int x, int y) {
    m_calls.push_back("menu " + std::to_string(menuId) + " at " + std::to_string(x) + "," +
                      std::to_string(y));
}

void CRecordingItemTree::SetDocumentModified() {
    ++m_modifiedCount;
    CHeadlessItemTree::SetDocumentModified();
}
