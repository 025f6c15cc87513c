#pragma once

#include <string>

#include "core/items/CTreeItem.h"

// The root of every document: it writes and checks the document's version line and holds
// the items the document lists, which it creates through the factory registered for their
// kind (the bidding subsystem registers the sessions').
class CDesktop : public CTreeItem {
public:
    // A new item of the kind, named as the document names it, not yet in a tree.
    using ChildFactory = CTreeItem* (*)(const std::string& name);

    CDesktop();

    static void RegisterChildFactory(long kind, ChildFactory factory);

    int GetMinFileVersion() const override;
    int GetFileVersion() const override;
    void ReadField(long kind, int code, std::string_view text) override;
    bool OnCommand(CItemTree* tree, unsigned id) override;
};
