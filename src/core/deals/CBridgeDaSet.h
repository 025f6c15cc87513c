#pragma once

#include <memory>
#include <string>

#include "core/deals/CTextLineReader.h"

class CDealList;
class CStatusProgress;

// The files of one Bridge D/A deal set: the North file (*.nth) and, sharing its name up to the
// extension, the South file (*.sth) and optionally the East and West files (*.est, *.wst).
class CBridgeDaSet {
public:
    enum class OpenResult { Opened, NoNorthFile, NoSouthFile };

    // path names the North file.
    OpenResult Open(const std::string& path);
    // Files given directly (tests, fuzzing); east and west may be null.
    void Attach(std::unique_ptr<CFile> north, std::unique_ptr<CFile> south,
                std::unique_ptr<CFile> east, std::unique_ptr<CFile> west);

    // The path tried for the South file by Open.
    const std::string& GetSouthPath() const { return m_southPath; }
    CTextLineReader& North() { return *m_north; }
    CTextLineReader& South() { return *m_south; }
    // Null unless both the East and the West file are open.
    CTextLineReader* East() { return m_withEastWest ? m_east.get() : nullptr; }
    CTextLineReader* West() { return m_withEastWest ? m_west.get() : nullptr; }
    bool HasEastWest() const { return m_withEastWest; }

    // Reads the North file's header up to its line "1.", naming the list after the "ID:" and
    // "Description:" lines, then skips every other file to its own line "1.". False when a
    // file ends before its line "1." (the set then holds no deals).
    bool ReadHeader(CDealList& list, CStatusProgress& progress);

private:
    static std::unique_ptr<CTextLineReader> OpenSibling(const std::string& base,
                                                        const std::string& extension,
                                                        bool upperCase, std::string* triedPath);

    std::unique_ptr<CTextLineReader> m_north;
    std::unique_ptr<CTextLineReader> m_south;
    std::unique_ptr<CTextLineReader> m_east;
    std::unique_ptr<CTextLineReader> m_west;
    bool m_withEastWest = false;
    std::string m_southPath;
};
