#include "bidding/SessionCommands.h"

#include <memory>

#include "bidding/BiddingIds.h"
#include "bidding/CBiddingList.h"
#include "items/CDesktop.h"
#include "items/CLorvaneDoc.h"
#include "items/ItemIds.h"

namespace {
const CBiddingList* AsSession(const CTreeItem* item) {
    return dynamic_cast<const CBiddingList*>(item);
}

// The deal list's import with its dialog and its export, as the deal files provide them.
template <typename List>
constexpr bool kHasImport = requires(List& list) {
    list.ImportWithDialog();
};
template <typename List>
constexpr bool kHasExport = requires(List& list) {
    list.Export();
};

template <typename List>
void RunImport(List& list) {
    if constexpr (kHasImport<List>) {
        list.ImportWithDialog();
    }
}

template <typename List>
void RunExport(List& list) {
    if constexpr (kHasExport<List>) {
        list.Export();
    }
}
}  // namespace

bool CanInsertBiddingSession(const CLorvaneDoc& document) {
    return !document.IsLoadFailed();
}

void InsertBiddingSession(CLorvaneDoc& document, CItemTree& tree) {
    auto session = std::make_unique<CBiddingList>();
    if (!session->ShowProperties(PROPERTIES_MODE_INSERT)) {
        return;
    }
    CBiddingList* inserted = session.release();
    const int start = inserted->GetStartBidding();
    const unsigned select = start == START_BIDDING_NORTH   ? ID_SELECT_NORTH
                            : start == START_BIDDING_SOUTH ? ID_SELECT_SOUTH
                                                           : 0;
    // A session that opens for bidding at once is renamed later, if at all.
    inserted->AddToTree(document.GetDesktop(), select == 0);
    if (select != 0 && inserted->OnCommand(nullptr, select)) {
        inserted->OnCommand(&tree, select);
    }
}

bool CanImportInto(const CTreeItem* selected) {
    return kHasImport<CBiddingList> && AsSession(selected) != nullptr;
}

void ImportInto(CTreeItem* selected) {
    if (auto* session = dynamic_cast<CBiddingList*>(selected)) {
        RunImport(*session);
    }
}

bool CanExport(const CTreeItem* selected) {
    return kHasExport<CBiddingList> && AsSession(selected) != nullptr;
}

void Export(CTreeItem* selected) {
    if (auto* session = dynamic_cast<CBiddingList*>(selected)) {
        RunExport(*session);
    }
}
