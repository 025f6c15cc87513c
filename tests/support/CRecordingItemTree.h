#pragma once

#include <string>
#include <vector>

#include "items/CHeadlessItemTree.h"

// A headless tree host that also records what the items asked of it, one line per call.
class CRecordingItemTree : public CHeadlessItemTree {
public:
    using CHeadlessItemTree::CHeadlessItemTree;

    Node InsertNode(Node parent, CTreeItem* item) override;
    void DeleteNode(Node node) override;
    bool ExpandNode(Node node, bool expand) override;
    void SelectNode(Node node) override;
    void EditNodeLabel(Node node) override;
    void SortChildren(CTreeItem* item) override;
    void AddBitmap(unsigned bitmapId) override;
    bool WasLastRightPressOnItem() const override { return m_rightPress; }
    void ShowContextMenu(unsigned menuId, int x, int y) override;
    void SetDocumentModified() override;

    void SetRightPress(bool onItem) { m_rightPress = onItem; }
    const std::vector<std::string>& Calls() const { return m_calls; }
    void ClearCalls() { m_calls.clear(); }
    int ModifiedCount() const { return m_modifiedCount; }
    const std::vector<unsigned>& Bitmaps() const { return m_bitmaps; }

private:
    std::string NameOf(Node node) const;

    std::vector<std::string> m_calls;
    std::vector<unsigned> m_bitmaps;
    bool m_rightPress = false;
    int m_modifiedCount = 0;
};
