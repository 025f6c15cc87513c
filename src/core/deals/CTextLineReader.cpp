#include "core/deals/CTextLineReader.h"

namespace {
constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
}

CTextLineReader::CTextLineReader(std::unique_ptr<CFile> file) : m_file(std::move(file)) {}

int CTextLineReader::NextByte() {
    if (!m_pushedBack.empty()) {
        const int byte = static_cast<unsigned char>(m_pushedBack.front());
        m_pushedBack.erase(0, 1);
        return byte;
    }
    return m_file->ReadByte();
}

bool CTextLineReader::ReadLine(std::string& line) {
    line.clear();
    if (m_atStart) {
        m_atStart = false;
        for (std::size_t i = 0; i < 3; ++i) {
            const int byte = m_file->ReadByte();
            if (byte < 0) {
                break;
            }
            m_pushedBack += static_cast<char>(byte);
            if (m_pushedBack.back() != kByteOrderMark[i]) {
                break;
            }
        }
        if (m_pushedBack == kByteOrderMark) {
            m_pushedBack.clear();
        }
    }
    int byte = NextByte();
    if (byte < 0) {
        return false;
    }
    while (byte >= 0 && byte != '\n' && byte != '\r') {
        if (line.size() < kMaxLineLength) {
            line += static_cast<char>(byte);
        }
        byte = NextByte();
    }
    if (byte == '\r') {
        const int next = NextByte();
        if (next >= 0 && next != '\n') {
            m_pushedBack += static_cast<char>(next);
        }
    }
    return true;
}
