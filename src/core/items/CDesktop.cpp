#include "items/CDesktop.h"

#include "items/ItemIds.h"
#include "items/ItemsStrings.h"

CDesktop::CDesktop()
    : CTreeItem(IDS_DESKTOP, KIND_DESKTOP, IDB_DESKTOP, IDB_DESKTOP, IDR_DESKTOP_MENU) {
    SetSortingChildren(false);
    SetCanRename(false);
    SetCanDelete(false);
    SetCanDrag(false);
}

int CDesktop::GetMinFileVersion() const { return 2; }

int CDesktop::GetFileVersion() const { return 3; }

void CDesktop::ReadField(long, int, const std::string&) {}

bool CDesktop::OnCommand(CItemTree*, unsigned) { return false; }
