#include "core/items/CArchive.h"

#include <algorithm>

#include "core/platform/CFile.h"

bool CArchive::ReadString(std::string& line) {
    line.clear();
    std::string_view bytes = m_file.Buffered();
    if (bytes.empty()) {
        return false;
    }
    ++m_lineCount;
    // The line is taken from the file's buffer a stretch at a time, not byte by byte.
    for (;;) {
        const std::size_t end = bytes.find_first_of("\r\n");
        const std::size_t length = std::min(end, bytes.size());
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
