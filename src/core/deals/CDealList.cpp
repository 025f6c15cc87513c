#include "core/deals/CDealList.h"

#include <algorithm>
#include <memory>
#include <new>
#include <vector>

#include "core/deals/CDeal.h"
#include "core/deals/DealFileFormats.h"
#include "core/deals/DealsStrings.h"
#include "core/deals/IDealFileFormat.h"
#include "core/platform/CFile.h"
#include "core/platform/CStatusProgress.h"
#include "core/platform/FileSystem.h"
#include "core/platform/Prompts.h"
#include "core/platform/Settings.h"
#include "core/platform/StatusDisplay.h"

namespace {
// At most this many names in the message about deals left out of an export.
constexpr std::size_t kNamedDeals = 20;
// Where the export's own choice is kept.
const char kExportSection[] = "Export";
const char kWithAuctionsKey[] = "WithAuctions";

std::string JoinNames(const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size() && i < kNamedDeals; ++i) {
        text += (i > 0 ? ", " : "") + names[i];
    }
    if (names.size() > kNamedDeals) {
        text = FormatMessageText(LoadString(IDS_EXPORT_LEFT_OUT_MORE),
                                 {text, std::to_string(names.size() - kNamedDeals)});
    }
    return text;
}
}  // namespace

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

CDeal* CDealList::CreateDeal() {
    return nullptr;
}

bool CDealList::ImportBridgeDaFiles(const std::string&) {
    return false;
}

std::string CDealList::GetDefaultExtension() {
    return "dup";
}

bool CDealList::ImportFile(std::string path) {
    std::string ext;
    path = CompleteImportPath(path, ext);
    return Import(path, ext) || ImportWithDialog();
}

std::string CDealList::CompleteImportPath(std::string path, std::string& ext) {
    if (HasFileExtension(path)) {
        ext = FileExtensionOf(path);
    } else {
        ext = GetDefaultExtension();
        path += "." + ext;
    }
    return path;
}

bool CDealList::ImportWithDialog() {
    std::unique_ptr<CDeal> chooser(CreateDeal());
    std::string path;
    std::string ext;
    if (chooser == nullptr || !chooser->ChooseImportFile(path, ext)) {
        return false;
    }
    return Import(path, ext);
}

bool CDealList::Import(const std::string& path, const std::string& ext) {
    const int countBefore = GetChildCount();
    const std::string nameBefore = GetName();
    try {
        if (const IDealFileFormat* format = FindDealFileFormat(ext)) {
            return format->Import(*this, path);
        }
        // A file of no known format holds no deals.
        return CFile::OpenRead(path) != nullptr;
    } catch (const std::bad_alloc&) {
        // A file too large for memory fails alone: its deals go, the list is as it was.
        while (GetChildCount() > countBefore) {
            auto* added = static_cast<CTreeItem*>(GetChildAt(GetChildCount() - 1));
            added->RemoveFromTree();
            delete added;
        }
        SetName(nameBefore);
        ShowMessage(FormatMessageText(LoadString(IDS_IMPORT_TOO_LARGE), {path}), MessageIcon::Stop);
        return false;
    }
}

bool CDealList::ReadDealFile(const std::string& path, const IDealFileFormat& format) {
    auto file = CFile::OpenRead(path);
    if (file == nullptr) {
        return false;
    }
    RecheckSettings();  // the deals read settings; another program may have changed them
    CStatusProgress progress(GetStatusDisplay(), LoadString(IDS_IMPORTING), file->GetLength(), 0);
    std::string lastEvent;
    for (;;) {
        std::unique_ptr<CDeal> deal(CreateDeal());
        if (deal == nullptr || !format.ReadDeal(*file, *deal)) {
            return true;
        }
        deal->SortHands();
        deal->NameAfterLastChild(this);
        CDeal* added = deal.release();
        added->InsertIntoTree(this);
        // The last event names the list; an event like the one before changes nothing.
        std::string event = added->TakeEvent();
        if (!event.empty() && event != lastEvent) {
            const std::string name = TextOnOneLine(event);
            if (name != GetName()) {
                SetName(name);
            }
            lastEvent = std::move(event);
        }
        progress.SetPos(file->GetPosition());
    }
}

void CDealList::Export() {
    std::unique_ptr<CDeal> chooser(CreateDeal());
    std::string path;
    std::string ext;
    // The person's last choice is offered again.
    DealExportOptions options;
    options.withAuctions = GetProfileInt(kExportSection, kWithAuctionsKey, 0) != 0;
    if (chooser == nullptr || !chooser->ChooseExportFile(path, ext, &options)) {
        return;
    }
    WriteProfileInt(kExportSection, kWithAuctionsKey, options.withAuctions ? 1 : 0);
    ExportToFile(path, ext, options);
}

bool CDealList::ExportToFile(const std::string& path, const std::string& ext,
                             const DealExportOptions& options) {
    CSaveFile output(path);
    if (!output.Open()) {
        ShowMessage(WithFileReason(FormatMessageText(LoadString(IDS_EXPORT_CANNOT_CREATE), {path}),
                                   output.GetErrorText()),
                    MessageIcon::Warning);
        return false;
    }
    std::vector<CDeal*> deals;
    POSITION pos;
    GetHeadChildPosition(pos);
    while (pos) {
        if (auto* deal = dynamic_cast<CDeal*>(GetNextChild(pos))) {
            deals.push_back(deal);
        }
    }
    // A Duplimate trailer counts the deals the file holds.
    int dealCount = static_cast<int>(deals.size());
    if (const IDealFileFormat* format = FindDealFileFormat(ext)) {
        dealCount = static_cast<int>(std::count_if(
            deals.begin(), deals.end(), [&](CDeal* deal) { return format->Holds(*deal); }));
    }

    CStatusProgress progress(GetStatusDisplay(), LoadString(IDS_EXPORTING), GetChildCount(), 0);
    std::vector<std::string> leftOut;
    bool first = true;
    int done = 0;
    for (CDeal* deal : deals) {
        if (deal->WriteToFile(output.File(), ext, first, dealCount, options)) {
            first = false;
        } else {
            leftOut.push_back(deal->GetName());
        }
        progress.SetPos(++done);
    }
    if (!output.Commit()) {
        ShowMessage(WithFileReason(FormatMessageText(LoadString(IDS_EXPORT_CANNOT_WRITE), {path}),
                                   output.GetErrorText()),
                    MessageIcon::Warning);
        return false;
    }
    if (!leftOut.empty()) {
        ShowMessage(FormatMessageText(LoadString(IDS_EXPORT_LEFT_OUT), {path, JoinNames(leftOut)}),
                    MessageIcon::Warning);
    }
    return true;
}
