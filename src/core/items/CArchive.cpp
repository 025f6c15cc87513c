#include "core/items/CArchive.h"

#include <algorithm>
#include <cstring>

#include "core/platform/CFile.h"

std::size_t CArchive::LineLength(std::string_view bytes) {
    // A short text is looked through byte by byte; in a long one (the rest of a read buffer),
    // memchr finds each of the two ends many bytes at a time, the second only up to the
    // first (find_first_of would look them up byte by byte).
    constexpr std::size_t kShort = 32;
    if (bytes.size() < kShort) {
        std::size_t length = 0;
        while (length < bytes.size() && bytes[length] != '\n' && bytes[length] != '\r') {
            ++length;
        }
        return length;
    }
    const auto* lineFeed = static_cast<const char*>(std::memchr(bytes.data(), '\n', bytes.size()));
    const std::size_t length =
        lineFeed != nullptr ? static_cast<std::size_t>(lineFeed - bytes.data()) : bytes.size();
    const auto* carriageReturn = static_cast<const char*>(std::memchr(bytes.data(), '\r', length));
    return carriageReturn != nullptr ? static_cast<std::size_t>(carriageReturn - bytes.data())
                                     : length;
}

std::string& CArchive::LineBuffer(int depth) {
    const auto index = static_cast<std::size_t>(std::max(depth, 1) - 1);
    while (m_lineBuffers.size() <= index) {
        m_lineBuffers.emplace_back();
    }
    return m_lineBuffers[index];
}

std::size_t CArchive::BufferedLineLength(std::string_view bytes) {
    const std::size_t length = LineLength(bytes);
    return length + 1 < bytes.size() ? length : std::string_view::npos;
}

bool CArchive::PeekLine(std::string_view& line) {
    const std::string_view bytes = m_file.Buffered();
    const std::size_t length = BufferedLineLength(bytes);
    if (length == std::string_view::npos) {
        return false;
    }
    line = bytes.substr(0, std::min(length, kMaxLineLength));
    return true;
}

bool CArchive::ReadLine(std::string_view& line, std::string& spill) {
    std::string_view bytes = m_file.Buffered();
    if (bytes.empty()) {
        return false;
    }
    ++m_lineCount;
    // Most lines lie whole in the buffer, with the byte after their end: seen where they are.
    if (const std::size_t length = BufferedLineLength(bytes); length != std::string_view::npos) {
        line = bytes.substr(0, std::min(length, kMaxLineLength));
        // CR takes the one character after it: the LF of CR LF, or whatever follows.
        m_file.Skip(length + (bytes[length] == '\r' ? 2 : 1));
        return true;
    }
    // Gathered a stretch at a time, as the buffer is read ahead anew under it.
    spill.clear();
    for (;;) {
        const std::size_t stretch = LineLength(bytes);
        spill.append(bytes.data(), std::min(stretch, kMaxLineLength - spill.size()));
        if (stretch < bytes.size()) {
            m_file.Skip(stretch + 1);
            if (bytes[stretch] == '\r') {
                m_file.ReadByte();
            }
            break;
        }
        m_file.Skip(bytes.size());
        bytes = m_file.Buffered();
        if (bytes.empty()) {
            break;
        }
    }
    line = spill;
    return true;
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
