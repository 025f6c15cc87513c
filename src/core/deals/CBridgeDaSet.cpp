#include "core/deals/CBridgeDaSet.h"

#include <cctype>

#include "core/deals/CDealList.h"
#include "core/platform/CStatusProgress.h"

namespace {
bool StartsWith(const std::string& line, const char* prefix) {
    return line.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

// Reads lines up to and including the first that begins with "1."; false at the end.
bool SkipToFirstDeal(CTextLineReader& file) {
    std::string line;
    while (file.ReadLine(line)) {
        if (StartsWith(line, "1.")) {
            return true;
        }
    }
    return false;
}

std::unique_ptr<CTextLineReader> OpenFile(const std::string& path) {
    auto file = CFile::OpenRead(path);
    return file != nullptr ? std::make_unique<CTextLineReader>(std::move(file)) : nullptr;
}
}  // namespace

// The set's files are found with the extension in the case of the North file's, so that
// X.NTH finds X.STH; the other case is tried next.
std::unique_ptr<CTextLineReader> CBridgeDaSet::OpenSibling(const std::string& base,
                                                           const std::string& extension,
                                                           bool upperCase, std::string* triedPath) {
    std::string upper = extension;
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    const std::string first = base + (upperCase ? upper : extension);
    const std::string second = base + (upperCase ? extension : upper);
    if (triedPath != nullptr) {
        *triedPath = first;
    }
    auto file = OpenFile(first);
    return file != nullptr ? std::move(file) : OpenFile(second);
}

CBridgeDaSet::OpenResult CBridgeDaSet::Open(const std::string& path) {
    m_north = OpenFile(path);
    if (m_north == nullptr) {
        return OpenResult::NoNorthFile;
    }
    const std::string base = path.size() >= 3 ? path.substr(0, path.size() - 3) : std::string();
    const std::string extension = path.substr(base.size());
    const bool upperCase =
        !extension.empty() && std::isupper(static_cast<unsigned char>(extension[0]));
    m_south = OpenSibling(base, "sth", upperCase, &m_southPath);
    if (m_south == nullptr) {
        m_north.reset();
        return OpenResult::NoSouthFile;
    }
    m_east = OpenSibling(base, "est", upperCase, nullptr);
    m_west = OpenSibling(base, "wst", upperCase, nullptr);
    m_withEastWest = m_east != nullptr && m_west != nullptr;
    return OpenResult::Opened;
}

void CBridgeDaSet::Attach(std::unique_ptr<CFile> north, std::unique_ptr<CFile> south,
                          std::unique_ptr<CFile> east, std::unique_ptr<CFile> west) {
    m_north = std::make_unique<CTextLineReader>(std::move(north));
    m_south = std::make_unique<CTextLineReader>(std::move(south));
    m_east = east != nullptr ? std::make_unique<CTextLineReader>(std::move(east)) : nullptr;
    m_west = west != nullptr ? std::make_unique<CTextLineReader>(std::move(west)) : nullptr;
    m_withEastWest = m_east != nullptr && m_west != nullptr;
}

bool CBridgeDaSet::ReadHeader(CDealList& list, CStatusProgress& progress) {
    std::string line;
    bool reachedDeals = false;
    while (!reachedDeals && m_north->ReadLine(line)) {
        if (StartsWith(line, "ID:")) {
            // A bare "ID:" names nothing: a session keeps a name.
            if (line.size() > 4) {
                list.SetName(line.substr(4, 12));
            }
        } else if (StartsWith(line, "Description:")) {
            list.SetName(list.GetName() + " - " + (line.size() > 13 ? line.substr(13) : ""));
        } else if (StartsWith(line, "1.")) {
            reachedDeals = true;
        }
        progress.SetPos(m_north->GetPosition());
    }
    if (!reachedDeals || !SkipToFirstDeal(*m_south)) {
        return false;
    }
    if (m_withEastWest && (!SkipToFirstDeal(*m_east) || !SkipToFirstDeal(*m_west))) {
        return false;
    }
    return true;
}
