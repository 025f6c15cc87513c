#include "core/items/CDesktop.h"

#include <map>

#include "core/items/ItemIds.h"
#include "core/items/ItemsStrings.h"

namespace {
std::map<long, CDesktop::ChildFactory>& ChildFactories() {
    static std::map<long, CDesktop::ChildFactory> factories;
    return factories;
}
}  // namespace

CDesktop::CDesktop()
    : CTreeItem(IDS_DESKTOP, KIND_DESKTOP, IDB_DESKTOP, IDB_DESKTOP, IDR_DESKTOP_MENU) {
    SetSortingChildren(false);
    SetCanRename(false);
    SetCanDelete(false);
    SetCanDrag(false);
}

void CDesktop::RegisterChildFactory(long kind, ChildFactory factory) {
    ChildFactories()[kind] = factory;
}

int CDesktop::GetMinFileVersion() const {
    return 2;
}

int CDesktop::GetFileVersion() const {
    return 3;
}

void CDesktop::ReadField(long kind, int code, std::string_view text) {
    // Only the children's opening lines; the Desktop's own name line is skipped.
    const auto factory = ChildFactories().find(kind);
    if (code == 0 && factory != ChildFactories().end()) {
        CTreeItem* child = factory->second(std::string(text));
        child->InsertIntoTree(this);
        child->Serialize(*GetArchive(), GetProgress());
    }
}

bool CDesktop::OnCommand(CItemTree*, unsigned) {
    return false;
}
