#include "core/items/CDesktop.h"

#include "core/bidding/CBiddingList.h"

#include "core/items/ItemIds.h"
#include "core/items/ItemsStrings.h"

CDesktop::CDesktop()
    : CTreeItem(IDS_DESKTOP, KIND_DESKTOP, IDB_DESKTOP, IDB_DESKTOP, IDR_DESKTOP_MENU) {
    SetSortingChildren(false);
    SetCanRename(false);
    SetCanDelete(false);
    SetCanDrag(false);
}

int CDesktop::GetMinFileVersion() const {
    return 2;
}

int CDesktop::GetFileVersion() const {
    return 3;
}

void CDesktop::ReadField(long kind, int code, const std::string& text) {
    // Only the sessions' opening lines; the Desktop's own name line is skipped.
    if (kind == KIND_BIDDING_LIST && code == 0) {
        auto* session = new CBiddingList;
        // The participants are the document's, not the user's defaults for new sessions:
        // a session saved without names must come back without them.
        session->SetNorthName(std::string());
        session->SetSouthName(std::string());
        session->SetName(text);
        session->InsertIntoTree(this);
        session->Serialize(*GetArchive(), GetProgress());
    }
}

bool CDesktop::OnCommand(CItemTree*, unsigned) {
    return false;
}
