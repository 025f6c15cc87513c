#include "deals/CDealList.h"

CDealList::CDealList(unsigned defaultNameId, int kind, unsigned image, unsigned expandedImage,
                     unsigned contextMenu)
    : CTreeItem(defaultNameId, kind, image, expandedImage, contextMenu) {
    CDealList::SetDealListFlags();
}

void CDealList::SetDealListFlags() {
    SetCanClearAll(true);
    SetCanRename(false);
    SetCanDrag(false);
}

CDeal* CDealList::CreateDeal() { return nullptr; }

bool CDealList::ImportBridgeDaFiles(const std::string&) { return false; }

std::string CDealList::GetDefaultExtension() { return "dup"; }
