#include "core/items/CArchive.h"

#include <algorithm>

#include "core/platform/CFile.h"

// A plain loop: find_first_of would look up the two ends byte by byte.
std::size_t CArchive::LineLength(std::string_view bytes) {
    std::size_t length = 0;
    while (length < bytes.size() && bytes[length] != '\n' && bytes[length] != '\r') {
        ++length;
    }
    return length;
}

bool CArchive::ReadString(std::string& line) {
    line.clear();
    std::string_view bytes = m_file.Buffered();
    if (bytes.empty()) {
        return false;
    }
    ++m_lineCount;
    // The line is taken from the file's buffer a stretch at a time, not byte by byte.
    for (;;) {
        const std::size_t length = LineLength(bytes);
        const std::size_t end = length < bytes.size() ? length : std::string_view::npos;
        line.append(bytes.data(), std::min(length, kMaxLineLength - line.size()));
        if (end != std::string_view::npos) {
            m_file.Skip(end + 1);
            if (bytes[end] == '\r') {
                m_file.ReadByte();  // the LF of CR LF, or whatever single character follows CR
            }
            return true;
        }
        m_file.Skip(bytes.size());
        bytes = m_file.Buffered();
        if (bytes.empty()) {
            return true;
        }
    }
}

void CArchive::WriteString(std::string_view bytes) {
    ++m_lineCount;
    m_file.Write(bytes);
}

void CArchive::WriteLine(std::string_view header, std::string_view text) {
    ++m_lineCount;
    m_file.Write(header);
    m_file.Write(text);
    m_file.Write("\r\n");
}
