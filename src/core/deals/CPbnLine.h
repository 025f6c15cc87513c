#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// One line of a PBN game: an escape line ("%" to the end of the line) or a tag pair, with the
// comments that follow it. Lives only while a game is read; never part of a document.
class CPbnLine {
public:
    // Every text of a line keeps at most this many bytes, so that a file with an unclosed
    // quote or brace cannot exhaust memory; the bytes beyond are dropped.
    static constexpr std::size_t kMaxTextLength = std::size_t{1} << 20;

    // The tags that a deal takes something from, known by name (exact, case-sensitive);
    // every other name, and none, is kOtherTag. The seat tags are in seat order.
    enum Tag {
        kOtherTag,
        kEventTag,
        kDealTag,
        kAuctionTag,
        kNoteTag,
        kWestTag,
        kNorthTag,
        kEastTag,
        kSouthTag
    };

    // Empties the line for use as a new one; its texts keep their buffers.
    void Reset(bool escape);

    bool IsEscape() const { return m_escape; }
    Tag GetTag() const { return m_tag; }
    // The seat of a seat tag; -1 for any other tag.
    int GetTagSeat() const { return m_tag >= kWestTag ? m_tag - kWestTag : -1; }
    const std::string& GetTagValue() const { return m_tagValue; }
    // The ";" comments after the line, joined without separator.
    const std::string& GetLineComment() const { return m_lineComment; }
    // The "{...}" comments after the line, joined without separator, line ends kept.
    const std::string& GetBraceComment() const { return m_braceComment; }
    // The text after the tag pair up to the next line, comments left out: kept only for the
    // Auction tag, whose section it is.
    const std::string& GetSection() const { return m_section; }
    bool KeepsSection() const { return m_tag == kAuctionTag; }

    void AppendLineComment(std::string_view text) { AppendLimited(m_lineComment, text); }
    void AppendBraceComment(std::string_view text) { AppendLimited(m_braceComment, text); }
    void AppendSection(char c) { AppendLimited(m_section, std::string_view(&c, 1)); }
    // Only the tag the name stands for is kept: no deal takes the name itself.
    void SetTagName(std::string_view name);
    // Takes the value's bytes; value is left empty.
    void TakeTagValue(std::string& value) {
        m_tagValue.swap(value);
        value.clear();
    }

    static void AppendLimited(std::string& text, std::string_view more) {
        if (text.size() < kMaxTextLength) {
            text.append(more.substr(0, kMaxTextLength - text.size()));
        }
    }

private:
    bool m_escape = false;
    Tag m_tag = kOtherTag;
    std::string m_tagValue;
    std::string m_lineComment;
    std::string m_braceComment;
    std::string m_section;
};
