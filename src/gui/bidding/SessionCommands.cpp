#include "gui/bidding/SessionCommands.h"

#include <memory>

#include "core/bidding/BiddingIds.h"
#include "core/bidding/CBiddingList.h"
#include "core/items/CDesktop.h"
#include "core/items/CLorvaneDoc.h"
#include "core/items/ItemIds.h"
#include "gui/bidding/DealImport.h"

namespace {
const CBiddingList* AsSession(const CTreeItem* item) {
    return dynamic_cast<const CBiddingList*>(item);
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

void InsertSessionFromFile(CLorvaneDoc& document, const std::string& path) {
    auto session = std::make_unique<CBiddingList>();
    ImportDealFile(*session, path);
    session.release()->AddToTree(document.GetDesktop(), false);
}

bool CanImportInto(const CTreeItem* selected) {
    return AsSession(selected) != nullptr;
}

void ImportInto(CTreeItem* selected) {
    if (auto* session = dynamic_cast<CBiddingList*>(selected)) {
        ImportChosenFile(*session);
    }
}

bool CanExport(const CTreeItem* selected) {
    return AsSession(selected) != nullptr;
}

void Export(CTreeItem* selected) {
    if (auto* session = dynamic_cast<CBiddingList*>(selected)) {
        session->Export();
    }
}
