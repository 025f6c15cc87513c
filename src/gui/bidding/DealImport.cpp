#include "gui/bidding/DealImport.h"

#include <filesystem>

#include "core/bidding/BiddingStrings.h"
#include "core/bidding/CBiddingDeal.h"
#include "core/bidding/CBiddingList.h"
#include "core/deals/DealFileFormats.h"
#include "core/platform/Prompts.h"
#include "core/platform/StatusDisplay.h"

namespace {
std::string FileNameOf(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

int DealsWithoutCards(const CBiddingList& session, int from) {
    int count = 0;
    for (int i = from; i < session.GetChildCount(); ++i) {
        const auto* deal = dynamic_cast<const CDeal*>(session.GetChildAt(i));
        count += deal != nullptr && deal->HasNoCards() ? 1 : 0;
    }
    return count;
}

bool ImportAndReport(CBiddingList& session, const std::string& path, const std::string& ext) {
    const int before = session.GetChildCount();
    if (!session.Import(path, ext)) {
        return false;
    }
    const int added = session.GetChildCount() - before;
    const std::string name = FileNameOf(path);
    if (added == 0) {
        ShowMessage(FormatMessageText(LoadString(IDS_NO_DEALS_FOUND), {name}),
                    MessageIcon::Information);
        return true;
    }
    if (IStatusDisplay* status = GetStatusDisplay()) {
        status->SetStatusText(
            FormatMessageText(LoadString(added == 1 ? IDS_ONE_DEAL_IMPORTED : IDS_DEALS_IMPORTED),
                              {std::to_string(added), name}));
    }
    if (const int empty = DealsWithoutCards(session, before); empty > 0) {
        ShowMessage(FormatMessageText(LoadString(empty == 1 ? IDS_ONE_DEAL_WITHOUT_CARDS
                                                            : IDS_DEALS_WITHOUT_CARDS),
                                      {std::to_string(empty), name}),
                    MessageIcon::Warning);
    }
    return true;
}
}  // namespace

bool ImportDealFile(CBiddingList& session, const std::string& path) {
    return ImportAndReport(session, path, FileExtensionOf(path));
}

bool ImportChosenFile(CBiddingList& session) {
    // A deal of the session's kind knows the dialog's filters; it never enters the document.
    CBiddingDeal chooser;
    std::string path;
    std::string ext;
    return chooser.ChooseImportFile(path, ext) && ImportAndReport(session, path, ext);
}

bool ImportNamedFile(CBiddingList& session, const std::string& typed) {
    std::string ext;
    const std::string path = session.CompleteImportPath(typed, ext);
    return ImportAndReport(session, path, ext) || ImportChosenFile(session);
}
