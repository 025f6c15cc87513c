#pragma once

#include "core/items/CTreeItem.h"

// The root of every document: it writes and checks the document's version line and holds
// the bidding sessions, which it creates from the document file.
class CDesktop : public CTreeItem {
public:
    CDesktop();

    int GetMinFileVersion() const override;
    int GetFileVersion() const override;
    void ReadField(long kind, int code, const std::string& text) override;
    bool OnCommand(CItemTree* tree, unsigned id) override;
};
