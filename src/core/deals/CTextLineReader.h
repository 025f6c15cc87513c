#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "core/platform/CFile.h"

// Reads a text file line by line, as the Bridge D/A files are read: a line ends at LF, at
// CR LF or at a CR alone, a last line may have no end, and a UTF-8 byte-order mark at the
// start of the file is not part of the first line. A line longer than kMaxLineLength keeps
// its first kMaxLineLength bytes, so that a file without line ends cannot exhaust memory.
class CTextLineReader {
public:
    static constexpr std::size_t kMaxLineLength = std::size_t{1} << 20;

    explicit CTextLineReader(std::unique_ptr<CFile> file);

    // The next line without its end; false at the end of the file.
    bool ReadLine(std::string& line);

    long long GetPosition() const { return m_file->GetPosition(); }
    long long GetLength() const { return m_file->GetLength(); }
    const std::string& GetFilePath() const { return m_file->GetFilePath(); }

private:
    int NextByte();

    std::unique_ptr<CFile> m_file;
    bool m_atStart = true;
    std::string m_pushedBack;  // bytes read ahead and not yet used, in reading order
};
