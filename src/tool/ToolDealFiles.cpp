// lvtool import, export and convert, and the deal-file part of lvtool text.
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "CToolPrompts.h"
#include "Commands.h"
#include "ToolDocument.h"
#include "ToolOptions.h"
#include "core/bidding/BiddingIds.h"
#include "core/bidding/CBiddingList.h"
#include "core/deals/DealFileFormats.h"
#include "core/deals/IDealFileFormat.h"
#include "core/items/CDesktop.h"
#include "core/platform/CFile.h"
#include "core/platform/Settings.h"

namespace {
// The exit code of a deal file that was read and held no deal.
constexpr int kNoDealsExit = 3;

// The user's settings with some integers answered differently for this run only
// (--pbn-info); nothing of the override reaches the settings file.
class CRunSettingsStore : public ISettingsStore {
public:
    CRunSettingsStore() : m_base(GetSettingsStore()) { SetSettingsStore(this); }
    ~CRunSettingsStore() override { SetSettingsStore(m_base); }
    CRunSettingsStore(const CRunSettingsStore&) = delete;
    CRunSettingsStore& operator=(const CRunSettingsStore&) = delete;

    void Override(const std::string& section, const std::string& key, int value) {
        m_overrides.push_back({section, key, value});
    }
    // Asked for every deal read: the few overrides, the last first, are looked through
    // without a key made of the two names.
    std::optional<int> ReadInt(const std::string& section, const std::string& key) const override {
        for (auto it = m_overrides.rbegin(); it != m_overrides.rend(); ++it) {
            if (it->key == key && it->section == section) {
                return it->value;
            }
        }
        return m_base != nullptr ? m_base->ReadInt(section, key) : std::nullopt;
    }
    std::optional<std::string> ReadString(const std::string& section,
                                          const std::string& key) const override {
        return m_base != nullptr ? m_base->ReadString(section, key) : std::nullopt;
    }
    void WriteInt(const std::string& section, const std::string& key, int value) override {
        if (m_base != nullptr) {
            m_base->WriteInt(section, key, value);
        }
    }
    void WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override {
        if (m_base != nullptr) {
            m_base->WriteString(section, key, value);
        }
    }
    void RecheckOutsideChanges() override {
        if (m_base != nullptr) {
            m_base->RecheckOutsideChanges();
        }
    }

private:
    struct IntOverride {
        std::string section;
        std::string key;
        int value;
    };
    ISettingsStore* m_base;
    std::vector<IntOverride> m_overrides;
};

bool IsReadable(const std::string& path) {
    return FindDealFileFormat(FileExtensionOf(path)) != nullptr;
}

bool IsWritable(const std::string& path) {
    const IDealFileFormat* format = FindDealFileFormat(FileExtensionOf(path));
    return format != nullptr && format->CanWrite();
}

// "*.pbn, *.dup" of the formats, or of those it can write.
std::string Extensions(bool writableOnly) {
    std::string list;
    for (const IDealFileFormat* format : DealFileFormats()) {
        if (!writableOnly || format->CanWrite()) {
            list += (list.empty() ? "*." : ", *.") + format->Extension();
        }
    }
    return list;
}

// The deal file's path as an import names it: without an extension the session's default
// one is added. False after a message when it cannot be read in any format.
bool CheckDealFile(std::string& path, CBiddingList& session) {
    if (!HasFileExtension(path)) {
        path += "." + session.GetDefaultExtension();
    }
    if (!IsReadable(path)) {
        PrintError(path + ": not a deal file (" + Extensions(false) + ")");
        return false;
    }
    std::string reason;
    if (CFile::OpenRead(path, &reason) == nullptr) {
        PrintError("cannot open " + path + ": " + reason);
        return false;
    }
    return true;
}

bool CheckOutputFile(const std::string& path) {
    if (!IsWritable(path)) {
        PrintError(path + ": cannot write this kind of file (" + Extensions(true) + ")");
        return false;
    }
    return true;
}

// Imports into the session: 0, or the exit code after a message: 1 when the file could not
// be read (a Bridge D/A set without its South file has said why), 3 when it held no deal.
int ImportInto(CBiddingList& session, const std::string& path) {
    const int before = session.GetChildCount();
    if (!session.Import(path, FileExtensionOf(path))) {
        return 1;
    }
    if (session.GetChildCount() == before) {
        PrintError("no deals found in " + path);
        return kNoDealsExit;
    }
    return 0;
}

// A new session with the user's defaults and the file's deals, given its place in the
// document with a unique name: 0, or the exit code of ImportInto after a message.
int ImportAsNewSession(CToolDocument& document, std::string path, const Options& options,
                       CBiddingList*& added) {
    auto session = std::make_unique<CBiddingList>();
    if (!CheckDealFile(path, *session)) {
        return 1;
    }
    if (const auto north = options.values.find("--north"); north != options.values.end()) {
        session->SetNorthName(north->second);
    }
    if (const auto south = options.values.find("--south"); south != options.values.end()) {
        session->SetSouthName(south->second);
    }
    if (const int failed = ImportInto(*session, path)) {
        return failed;
    }
    // A name given wins over the file's event; an empty one names nothing.
    if (const auto name = options.values.find("--session");
        name != options.values.end() && !name->second.empty()) {
        session->SetName(TextOnOneLine(name->second));
    }
    added = session.release();
    added->InsertIntoTree(&document.Desktop());
    return 0;
}

CBiddingList* FirstSession(CDesktop& desktop) {
    POSITION pos;
    desktop.GetHeadChildPosition(pos);
    while (pos) {
        if (auto* session = dynamic_cast<CBiddingList*>(desktop.GetNextChild(pos))) {
            return session;
        }
    }
    return nullptr;
}

bool Export(CBiddingList& session, const std::string& path, const DealExportOptions& options = {}) {
    return session.ExportToFile(path, FileExtensionOf(path), options);
}
}  // namespace

bool IsDealFileName(const std::string& path) {
    return IsReadable(path);
}

int ImportDealFile(const std::string& path, CToolDocument& document) {
    CRunSettingsStore settings;
    document.New();
    CBiddingList* session = nullptr;
    return ImportAsNewSession(document, path, Options(), session);
}

int RunImport(const CommandArguments& args) {
    static const char kUsage[] =
        "lvtool import DEALFILE -o DOC.lv [--session NAME] [--north NAME] [--south NAME] "
        "[--pbn-info line|brace|tag]";
    Options options;
    if (!ParseOptions(args, {"-o", "--session", "--north", "--south", "--pbn-info"}, options) ||
        options.files.size() != 1 || options.values.count("-o") == 0) {
        PrintError(std::string("usage: ") + kUsage);
        return 1;
    }
    CRunSettingsStore settings;
    if (const auto info = options.values.find("--pbn-info"); info != options.values.end()) {
        const std::map<std::string, int> kPlaces = {{"line", PBN_INFO_LINE_COMMENT},
                                                    {"brace", PBN_INFO_BRACE_COMMENT},
                                                    {"tag", PBN_INFO_TAG_VALUE}};
        if (kPlaces.count(info->second) == 0) {
            PrintError(std::string("usage: ") + kUsage);
            return 1;
        }
        settings.Override("CBiddingList", "PBNInfo", kPlaces.at(info->second));
    }

    const std::string& documentPath = options.values["-o"];
    CToolDocument document;
    // Only a document that is not there is started anew: one that cannot be read is kept.
    std::error_code error;
    if (std::filesystem::symlink_status(documentPath, error).type() ==
        std::filesystem::file_type::not_found) {
        document.New();
    } else if (!document.Open(documentPath)) {
        return 1;
    }
    std::string dealFile = options.files[0];
    const auto name = options.values.find("--session");
    CBiddingList* existing = name != options.values.end()
                                 ? FindSession(document.Desktop(), TextOnOneLine(name->second))
                                 : nullptr;
    if (existing != nullptr) {
        if (!CheckDealFile(dealFile, *existing)) {
            return 1;
        }
        if (const int failed = ImportInto(*existing, dealFile)) {
            return failed;
        }
        // The session keeps the name it was asked for by, whatever name the file gives.
        existing->SetName(TextOnOneLine(name->second));
    } else {
        CBiddingList* added = nullptr;
        if (const int failed = ImportAsNewSession(document, dealFile, options, added)) {
            return failed;
        }
    }
    return document.Save(documentPath) ? 0 : 1;
}

int RunExport(const CommandArguments& args) {
    static const char kUsage[] = "lvtool export DOC.lv OUTFILE [--session NAME] [--with-auctions]";
    Options options;
    if (!ParseOptions(args, {"--session"}, options, {"--with-auctions"}) ||
        options.files.size() != 2) {
        PrintError(std::string("usage: ") + kUsage);
        return 1;
    }
    const std::string& output = options.files[1];
    if (!CheckOutputFile(output)) {
        return 1;
    }
    CToolDocument document;
    if (!document.Open(options.files[0])) {
        return 1;
    }
    const auto name = options.values.find("--session");
    CBiddingList* session = name != options.values.end()
                                ? FindSession(document.Desktop(), TextOnOneLine(name->second))
                                : FirstSession(document.Desktop());
    if (session == nullptr) {
        PrintError(name != options.values.end()
                       ? options.files[0] + " has no session named " + name->second
                       : options.files[0] + " has no bidding session");
        return 1;
    }
    DealExportOptions exportOptions;
    exportOptions.withAuctions = options.flags.count("--with-auctions") != 0;
    return Export(*session, output, exportOptions) ? 0 : 1;
}

int RunConvert(const CommandArguments& args) {
    if (args.size() != 2) {
        PrintError("usage: lvtool convert INFILE OUTFILE");
        return 1;
    }
    if (!CheckOutputFile(args[1])) {
        return 1;
    }
    CRunSettingsStore settings;
    CToolDocument document;
    document.New();
    CBiddingList* session = nullptr;
    if (const int failed = ImportAsNewSession(document, args[0], Options(), session)) {
        return failed;
    }
    return Export(*session, args[1]) ? 0 : 1;
}
