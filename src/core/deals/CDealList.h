#pragma once

#include <string>

#include "items/CTreeItem.h"

class CDeal;

// A tree item that holds deals and moves them between the document and deal files.
class CDealList : public CTreeItem {
public:
    CDealList(unsigned defaultNameId, int kind, unsigned image, unsigned expandedImage,
              unsigned contextMenu);

    virtual void SetDealListFlags();
    // A new empty deal of the list's kind; null for a plain list.
    virtual CDeal* CreateDeal();
    virtual bool ImportBridgeDaFiles(const std::string& path);
    virtual std::string GetDefaultExtension();
};
