#include "core/items/CArchive.h"

#include "core/platform/CFile.h"

bool CArchive::ReadString(std::string& line) {
    line.clear();
    int byte = m_file.ReadByte();
    if (byte < 0) {
        return false;
    }
    ++m_lineCount;
    while (byte >= 0) {
        if (byte == '\n') {
            break;
        }
        if (byte == '\r') {
            m_file.ReadByte();  // the LF of CR LF, or whatever single character follows CR
            break;
        }
        if (line.size() < kMaxLineLength) {
            line += static_cast<char>(byte);
        }
        byte = m_file.ReadByte();
    }
    return true;
}

void CArchive::WriteString(std::string_view bytes) {
    ++m_lineCount;
    m_file.Write(bytes);
}
