#include "core/deals/CPbnGame.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "core/deals/CDeal.h"
#include "core/deals/CPbnLine.h"
#include "core/platform/CFile.h"

namespace {
enum State {
    kBetweenItems,
    kEscapeLine,
    kBraceComment,
    kLineComment,
    kAfterBracket,
    kTagName,
    kAfterName,
    kTagValue,
    kAfterValue,
};

bool IsNameCharacter(char c) {
    return c == '_' || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// TAB is not white space in PBN; the backspace character is.
bool IsWhiteSpace(char c) {
    return c == ' ' || c == 8 || c == '\r' || c == '\n';
}

// Whether a deal can take anything from the line (the Event and the seat tags).
bool IsTakenFrom(const CPbnLine& line) {
    if (line.IsEscape()) {
        return false;
    }
    if (line.GetTag() == CPbnLine::kEventTag) {
        return !line.GetTagValue().empty();
    }
    return line.GetTagSeat() >= 0 || line.GetTag() == CPbnLine::kAuctionTag;
}

// How many bytes at the start of bytes are not stops.
template <typename Stops>
std::size_t RunLength(std::string_view bytes, Stops stops) {
    std::size_t length = 0;
    while (length < bytes.size() && !stops(bytes[length])) {
        ++length;
    }
    return length;
}

// In the states that gather a text, takes at once, from the file's buffer, the bytes that
// the state would only append to the text: the byte by byte reading below then sees just
// the bytes that end the text, escape in it, or may stand for a line end (a CR). These
// states follow a byte that is not white space, so the blank-line flag is already clear.
void TakeTextRun(CFile& file, State state, bool escaped, CPbnLine* current,
                 std::string& collected) {
    const std::string_view bytes = file.Buffered();
    std::size_t length = 0;
    switch (state) {
        case kEscapeLine:
            length = RunLength(bytes, [](char c) { return c == '\r' || c == '\n'; });
            break;
        case kLineComment:
            length = RunLength(bytes, [](char c) { return c == '\r' || c == '\n'; });
            if (current != nullptr) {
                current->AppendLineComment(bytes.substr(0, length));
            }
            break;
        case kBraceComment:
            length = RunLength(bytes, [](char c) { return c == '}' || c == '\r'; });
            if (current != nullptr) {
                current->AppendBraceComment(bytes.substr(0, length));
            }
            break;
        case kTagName:
            length = RunLength(bytes, [](char c) { return !IsNameCharacter(c); });
            CPbnLine::AppendLimited(collected, bytes.substr(0, length));
            break;
        case kTagValue:
            if (!escaped) {
                length =
                    RunLength(bytes, [](char c) { return c == '"' || c == '\\' || c == '\r'; });
                CPbnLine::AppendLimited(collected, bytes.substr(0, length));
            }
            break;
        default:
            break;
    }
    file.Skip(length);
}

// Reads at once, right after its "[", a tag pair written the usual way: [Name "value"], the
// value without escapes and the whole pair in the file's buffer. False, with nothing taken,
// for any other; the byte by byte reading then takes it.
bool TakePlainTagPair(CFile& file, CPbnLine& line, std::string& scratch) {
    const std::string_view bytes = file.Buffered();
    const std::size_t nameLength = RunLength(bytes, [](char c) { return !IsNameCharacter(c); });
    if (nameLength == 0 || bytes.substr(nameLength, 2) != " \"") {
        return false;
    }
    const std::string_view value = bytes.substr(nameLength + 2);
    const std::size_t valueLength =
        RunLength(value, [](char c) { return c == '"' || c == '\\' || c == '\r'; });
    if (value.substr(valueLength, 2) != "\"]" || valueLength > CPbnLine::kMaxTextLength) {
        return false;
    }
    line.SetTagName(bytes.substr(0, nameLength));
    scratch.assign(value.substr(0, valueLength));
    line.TakeTagValue(scratch);
    file.Skip(nameLength + 2 + valueLength + 2);
    return true;
}

// The seat a Deal value starts with, N, E, S or W; -1 for none.
int FirstSeatOf(std::string_view value) {
    switch (value.empty() ? '\0' : value[0]) {
        case 'N':
            return SEAT_NORTH;
        case 'E':
            return SEAT_EAST;
        case 'S':
            return SEAT_SOUTH;
        case 'W':
            return SEAT_WEST;
        default:
            return -1;
    }
}

// The cards of a Deal value written the usual way, at most four hands of at most four suits
// with no comma or line end among the letters, comma-joined in the deal's order of seats and
// suits (what the suit by suit reading makes of it, in one pass); false for any other value.
bool JoinPlainDealValue(std::string_view value, std::string& joined) {
    const int firstSeat = FirstSeatOf(value);
    if (firstSeat < 0) {
        return false;
    }
    std::array<std::string_view, kSeatCount> hands;  // by seat
    std::string_view rest = value.size() > 2 ? value.substr(2) : std::string_view();
    for (int seat = firstSeat, count = 0;; seat = NextSeat(seat)) {
        const std::size_t end = std::min(rest.find(' '), rest.size());
        hands[static_cast<std::size_t>(seat)] = rest.substr(0, end);
        if (end == rest.size()) {
            break;
        }
        if (++count == kSeatCount) {
            return false;
        }
        rest.remove_prefix(end + 1);
    }
    // The letters and the commas take at most the value's length and the sixteen suits' ends.
    joined.resize(value.size() + kSeatCount * kSuitCount);
    char* out = joined.data();
    for (std::size_t seat = 0; seat < hands.size(); ++seat) {
        if (seat > 0) {
            *out++ = ',';
        }
        int dots = 0;
        for (const char c : hands[seat]) {
            if (c == '.') {
                if (++dots == kSuitCount) {
                    return false;
                }
                *out++ = ',';
            } else if (c == ',' || c == '\r' || c == '\n') {
                return false;
            } else if (c != '-') {
                *out++ = c;
            }
        }
        out = std::fill_n(out, kSuitCount - 1 - dots, ',');
    }
    joined.resize(static_cast<std::size_t>(out - joined.data()));
    return true;
}
}  // namespace

const CPbnLine* CPbnGame::GetSeatLine(int seat) const {
    return seat >= 0 && seat < kSeatCount ? Kept(SeatSlot(seat)) : nullptr;
}

CPbnLine* CPbnGame::StartLine(bool escape) {
    if (!escape) {
        m_hasTagPair = true;
    }
    if (m_reading) {
        SettleLine();
    }
    m_reading = true;
    m_line->Reset(escape);
    return m_line;
}

void CPbnGame::SettleLine() {
    const CPbnLine& line = *m_line;
    if (!line.IsEscape()) {
        if (line.GetTag() == CPbnLine::kNoteTag && m_auctionNotesFollow) {
            // Notes never override each other; the auction's limit bounds how many are kept.
            if (m_auctionNotes.size() < kMaxAuctionNotes) {
                m_auctionNotes.push_back(std::move(*m_line));
            }
            return;
        }
        m_auctionNotesFollow = line.GetTag() == CPbnLine::kAuctionTag;
    }
    if (!IsTakenFrom(line)) {
        return;
    }
    std::size_t slot = kEventSlot;
    if (line.GetTagSeat() >= 0) {
        slot = SeatSlot(line.GetTagSeat());
    } else if (line.GetTag() == CPbnLine::kAuctionTag) {
        // A later Auction tag replaces the earlier one together with its notes.
        slot = kAuctionSlot;
        m_auctionNotes.clear();
    }
    std::swap(m_slots[slot], m_line);
}

void CPbnGame::EndGame(CDeal* deal) {
    if (m_reading) {
        SettleLine();
        m_reading = false;
    }
    if (deal == nullptr) {
        return;
    }
    if (m_joined) {
        deal->AppendCards(m_joinedCards);
    } else {
        deal->AppendSuitTexts(m_dealCards);
    }
}

CPbnLine* CPbnGame::SectionStartedBy(CPbnLine& line) {
    return line.KeepsSection() ? &line : nullptr;
}

void CPbnGame::ValueTaken(const CPbnLine& line) {
    if (line.GetTag() != CPbnLine::kDealTag) {
        return;
    }
    const bool first = !std::exchange(m_dealValueSeen, true);
    if (first && JoinPlainDealValue(line.GetTagValue(), m_joinedCards)) {
        m_joined = true;
        return;
    }
    if (m_joined) {
        m_dealCards = CDeal::SplitCards(m_joinedCards);
        m_joined = false;
    }
    AddDealValue(line.GetTagValue(), m_dealCards);
}

bool CPbnGame::ReadGame(CFile& file, CDeal* deal) {
    State state = kBetweenItems;
    bool blankLine = true;
    bool seen = false;
    bool escaped = false;
    std::string collected;
    CPbnLine* current = nullptr;
    // The line whose section the text between items belongs to: the Auction tag's, up to the
    // next tag (escape lines and comments do not end it).
    CPbnLine* section = nullptr;

    for (;;) {
        TakeTextRun(file, state, escaped, current, collected);
        const int byte = file.ReadByte();
        if (byte < 0) {
            break;
        }
        char c = static_cast<char>(byte);
        // A CR alone ends a line as LF does, so that files with CR line ends read as games;
        // in CR LF the LF does it.
        if (c == '\r' && file.PeekByte() != '\n') {
            c = '\n';
        }
        if (!IsWhiteSpace(c)) {
            blankLine = false;
            seen = true;
        }
        switch (state) {
            case kBetweenItems:
                if (c == '\n') {
                    if (blankLine) {
                        EndGame(deal);
                        return true;
                    }
                    blankLine = true;
                    if (section != nullptr) {
                        section->AppendSection(c);
                    }
                } else if (c == '%') {
                    current = StartLine(true);
                    state = kEscapeLine;
                } else if (c == '[') {
                    current = StartLine(false);
                    if (TakePlainTagPair(file, *current, collected)) {
                        section = SectionStartedBy(*current);
                        ValueTaken(*current);
                    } else {
                        section = nullptr;
                        state = kAfterBracket;
                    }
                } else if (c == ';') {
                    state = kLineComment;
                } else if (c == '{') {
                    state = kBraceComment;
                } else if (section != nullptr) {
                    section->AppendSection(c);
                }
                break;
            case kEscapeLine:
                // What an escape line says is no deal's concern: it is read past.
                if (c == '\r' || c == '\n') {
                    state = kBetweenItems;
                }
                break;
            case kBraceComment:
                // A comment before the game's first line belongs to no line and is dropped.
                if (c == '}') {
                    state = kBetweenItems;
                } else if (current != nullptr) {
                    current->AppendBraceComment(std::string_view(&c, 1));
                }
                break;
            case kLineComment:
                if (c == '\r' || c == '\n') {
                    state = kBetweenItems;
                } else if (current != nullptr) {
                    current->AppendLineComment(std::string_view(&c, 1));
                }
                break;
            case kAfterBracket:
                if (IsNameCharacter(c)) {
                    collected.assign(1, c);
                    state = kTagName;
                }
                break;
            case kTagName:
                if (IsNameCharacter(c)) {
                    CPbnLine::AppendLimited(collected, std::string_view(&c, 1));
                } else if (IsWhiteSpace(c)) {
                    current->SetTagName(collected);
                    section = SectionStartedBy(*current);
                    collected.clear();
                    state = kAfterName;
                } else if (c == '"') {
                    collected.clear();
                    escaped = false;
                    state = kTagValue;
                }
                break;
            case kAfterName:
                if (c == '"') {
                    escaped = false;
                    state = kTagValue;
                }
                break;
            case kTagValue:
                if (c == '\\' && !escaped) {
                    escaped = true;
                } else if (c == '"' && !escaped) {
                    current->TakeTagValue(collected);
                    ValueTaken(*current);
                    state = kAfterValue;
                } else {
                    CPbnLine::AppendLimited(collected, std::string_view(&c, 1));
                    escaped = false;
                }
                break;
            case kAfterValue:
                if (c == ']') {
                    state = kBetweenItems;
                }
                break;
        }
    }
    EndGame(deal);
    return seen;
}

void CPbnGame::ReadDealValue(const std::string& value, CDeal& deal) {
    CDeal::SuitTexts cards;
    AddDealValue(value, cards);
    deal.AppendSuitTexts(cards);
}

void CPbnGame::AddDealValue(const std::string& value, CDeal::SuitTexts& cards) {
    int seat = FirstSeatOf(value);
    if (seat < 0) {
        return;
    }
    int suit = SUIT_SPADES;
    for (std::size_t i = 2; i < value.size(); ++i) {
        const char c = value[i];
        if (c == ' ') {
            seat = NextSeat(seat);
            suit = SUIT_SPADES;
        } else if (c == '.') {
            suit = (suit + 1) % kSuitCount;
        } else if (c != '-') {
            cards[static_cast<std::size_t>(seat * kSuitCount + suit)] += c;
        }
    }
}
