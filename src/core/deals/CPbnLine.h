#pragma once

#include <cstddef>
#include <string>

#include "core/items/CItem.h"

// One line of a PBN game: an escape line ("%" to the end of the line) or a tag pair, with the
// comments that follow it. Lives only while a game is read; never part of a document.
class CPbnLine : public CItem {
public:
    // Every text of a line keeps at most this many bytes, so that a file with an unclosed
    // quote or brace cannot exhaust memory; the bytes beyond are dropped.
    static constexpr std::size_t kMaxTextLength = std::size_t{1} << 20;

    explicit CPbnLine(bool escape);
    // Empties the line for use as a new one.
    void Reset(bool escape);

    bool IsEscape() const { return m_escape != 0; }
    const std::string& GetEscapeText() const { return m_escapeText; }
    const std::string& GetTagName() const { return m_tagName; }
    const std::string& GetTagValue() const { return m_tagValue; }
    // The ";" comments after the line, joined without separator.
    const std::string& GetLineComment() const { return m_lineComment; }
    // The "{...}" comments after the line, joined without separator, line ends kept.
    const std::string& GetBraceComment() const { return m_braceComment; }
    // The text after the tag pair up to the next line, comments left out: kept only for the
    // Auction tag, whose section it is.
    const std::string& GetSection() const { return m_section; }
    bool KeepsSection() const { return m_tagName == "Auction"; }

    void AppendEscapeText(char c) { AppendLimited(m_escapeText, c); }
    void AppendLineComment(char c) { AppendLimited(m_lineComment, c); }
    void AppendBraceComment(char c) { AppendLimited(m_braceComment, c); }
    void AppendSection(char c) { AppendLimited(m_section, c); }
    void SetTagName(const std::string& name) { m_tagName = name; }
    void SetTagValue(const std::string& value) { m_tagValue = value; }

    static void AppendLimited(std::string& text, char c) {
        if (text.size() < kMaxTextLength) {
            text += c;
        }
    }

private:
    std::string m_escapeText;
    int m_escape;
    std::string m_tagName;
    std::string m_tagValue;
    std::string m_lineComment;
    std::string m_braceComment;
    std::string m_section;
};
