#include "core/deals/DealFileFormats.h"

#include <algorithm>
#include <cctype>

#include "core/deals/BridgeDaFiles.h"
#include "core/deals/CDealList.h"
#include "core/deals/DealsStrings.h"
#include "core/deals/DuplimateFiles.h"
#include "core/deals/IDealFileFormat.h"
#include "core/deals/PbnFiles.h"

namespace {
std::string ToLowerAscii(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

std::size_t ExtensionDot(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return std::string::npos;
    }
    return dot;
}

std::vector<const IDealFileFormat*>& Registry() {
    static std::vector<const IDealFileFormat*> formats{
        &Pbn::FileFormat(),          &Duplimate::DupFileFormat(), &Duplimate::BriFileFormat(),
        &Duplimate::DgeFileFormat(), &BridgeDa::FileFormat(),
    };
    return formats;
}

// "*.pbn;*.dup" of the formats that pass the test.
template <typename Test>
std::string Patterns(Test test) {
    std::string patterns;
    for (const IDealFileFormat* format : DealFileFormats()) {
        if (test(*format)) {
            patterns += (patterns.empty() ? "*." : ";*.") + format->Extension();
        }
    }
    return patterns;
}

std::string FilterEntry(const std::string& name, const std::string& patterns) {
    return name + " (" + patterns + ")|" + patterns;
}
}  // namespace

const std::vector<const IDealFileFormat*>& DealFileFormats() {
    return Registry();
}

const IDealFileFormat* FindDealFileFormat(const std::string& extension) {
    const std::string ext = ToLowerAscii(extension);
    for (const IDealFileFormat* format : DealFileFormats()) {
        if (format->Extension() == ext) {
            return format;
        }
    }
    return nullptr;
}

bool IDealFileFormat::Import(CDealList& list, const std::string& path) const {
    return list.ReadDealFile(path, *this);
}

void RegisterDealFileFormat(const IDealFileFormat& format) {
    Registry().push_back(&format);
}

std::string AllDealFilesFilter() {
    return FilterEntry(LoadString(IDS_ALL_DEAL_FILES), Patterns([](const auto&) { return true; }));
}

std::string DealFilesFilter(const std::string& preferredExtension) {
    const IDealFileFormat* preferred = FindDealFileFormat(preferredExtension);
    std::vector<std::string> groups;
    for (const IDealFileFormat* format : DealFileFormats()) {
        const std::string name = LoadString(format->GroupNameId());
        if (std::find(groups.begin(), groups.end(), name) == groups.end()) {
            groups.push_back(name);
        }
    }
    std::sort(groups.begin(), groups.end());
    if (preferred != nullptr) {
        const auto first =
            std::find(groups.begin(), groups.end(), LoadString(preferred->GroupNameId()));
        std::rotate(groups.begin(), first, first + 1);
    }
    std::string filter = AllDealFilesFilter();
    for (const std::string& group : groups) {
        filter += "|" + FilterEntry(group, Patterns([&](const IDealFileFormat& format) {
                                        return LoadString(format.GroupNameId()) == group;
                                    }));
    }
    return filter + "||";
}

std::string FileExtensionOf(const std::string& path) {
    const std::size_t dot = ExtensionDot(path);
    return dot == std::string::npos ? std::string() : path.substr(dot + 1);
}

bool HasFileExtension(const std::string& path) {
    return ExtensionDot(path) != std::string::npos;
}

std::string TextOnOneLine(const std::string& text) {
    std::string line;
    line.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;  // the LF makes the blank
        }
        line += (text[i] == '\r' || text[i] == '\n') ? ' ' : text[i];
    }
    return line;
}

std::string ToUpperAscii(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}
