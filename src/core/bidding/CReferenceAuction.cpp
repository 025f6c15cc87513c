#include "core/bidding/CReferenceAuction.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <utility>

#include "core/bidding/BiddingIds.h"
#include "core/bidding/CAuction.h"
#include "core/bidding/CCall.h"
#include "core/deals/Seats.h"

namespace {
// The seat of a one-letter text; -1 for any other text.
int SeatOfText(const std::string& text) {
    return text.size() == 1 ? SeatOfLetter(text[0]) : -1;
}

std::string Upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

// Takes the annotations stuck to the end of a token off it: "!", "?" and "$N".
void StripAnnotations(std::string& token) {
    for (;;) {
        if (!token.empty() && (token.back() == '!' || token.back() == '?')) {
            token.pop_back();
            continue;
        }
        const std::size_t dollar = token.rfind('$');
        if (dollar != std::string::npos && dollar + 1 < token.size() &&
            std::all_of(token.begin() + static_cast<std::ptrdiff_t>(dollar) + 1, token.end(),
                        [](char c) { return std::isdigit(static_cast<unsigned char>(c)); })) {
            token.erase(dollar);
            continue;
        }
        return;
    }
}

// The code of a PBN call ("Pass" or "P", "X", "XX", "1C" ... "7NT" or "7N", any case); -1
// for any other token.
int PbnCallCode(const std::string& token) {
    const std::string call = Upper(token);
    if (call == "PASS" || call == "P") {
        return IDC_PASS;
    }
    if (call == "X") {
        return IDC_DOUBLE;
    }
    if (call == "XX") {
        return IDC_REDOUBLE;
    }
    if (call == "NT" || call.size() < 2 || call.size() > 3 ||
        (call.size() == 3 && call.substr(1) != "NT")) {
        return -1;
    }
    const int level = call[0] - '0';
    const char* strain = std::strchr("CDHSN", call[1]);
    if (strain == nullptr || *strain == '\0') {
        return -1;
    }
    const int code = CCall::MakeCallCode(level, static_cast<int>(strain - "CDHSN"));
    return code != 0 ? code : -1;
}

bool EndsTheReference(const std::string& token) {
    return token == "-" || token == "*" ||
           std::all_of(token.begin(), token.end(), [](char c) { return c == '_'; });
}

bool IsNoteReference(const std::string& token) {
    return token.size() >= 3 && token.front() == '=' && token.back() == '=';
}

std::vector<std::string> Tokens(const std::string& text) {
    std::vector<std::string> tokens;
    std::string token;
    for (const char c : text) {
        if (std::isspace(static_cast<unsigned char>(c)) || c == '\b') {
            if (!token.empty()) {
                tokens.push_back(std::move(token));
                token.clear();
            }
        } else {
            token += c;
        }
    }
    if (!token.empty()) {
        tokens.push_back(std::move(token));
    }
    return tokens;
}
}  // namespace

// The calls so far in an auction of their own, for the rules of what may follow.
class CReferenceAuction::CLegalCalls {
public:
    explicit CLegalCalls(int firstSeat) : m_auction(nullptr) {
        m_auction.AppendPlaceholders(firstSeat);
    }
    // Appends the call when it is legal next.
    bool Append(int code) {
        m_auction.UpdateLegalCalls(nullptr);
        if (!m_auction.IsCallEnabled(code)) {
            return false;
        }
        m_auction.AppendCall(code);
        return true;
    }
    bool IsComplete() { return m_auction.IsComplete(true); }

private:
    CAuction m_auction;
};

bool CReferenceAuction::AppendLegal(CLegalCalls& legal, int code) {
    if (code <= 0 || !legal.Append(code)) {
        return false;
    }
    m_calls.push_back(code);
    m_complete = legal.IsComplete();
    return true;
}

std::optional<CReferenceAuction> CReferenceAuction::UnlessEmpty(CReferenceAuction&& reference) {
    if (reference.m_calls.empty()) {
        return std::nullopt;
    }
    return std::move(reference);
}

std::optional<CReferenceAuction> CReferenceAuction::FromPbn(
    const std::string& seatValue, const std::string& section,
    const std::map<std::string, std::string>& notes) {
    const int firstSeat = SeatOfText(seatValue);
    if (firstSeat < 0) {
        return std::nullopt;
    }
    CReferenceAuction reference(firstSeat);
    CLegalCalls legal(firstSeat);
    // After the auction is complete, notes still go to its last call until a further call.
    bool pastTheEnd = false;
    for (std::string token : Tokens(section)) {
        if (IsNoteReference(token)) {
            const auto note = notes.find(token.substr(1, token.size() - 2));
            if (!pastTheEnd && note != notes.end() && !reference.m_calls.empty()) {
                reference.AddNote(static_cast<int>(reference.m_calls.size()) - 1, note->second);
            }
            continue;
        }
        StripAnnotations(token);
        if (token.empty() || token == "+") {
            continue;
        }
        if (reference.m_complete) {
            pastTheEnd = true;
            continue;
        }
        if (EndsTheReference(token)) {
            break;
        }
        if (Upper(token) == "AP") {
            // All pass: passes for as long as the auction is not complete.
            while (!reference.m_complete && reference.AppendLegal(legal, IDC_PASS)) {
            }
        } else if (!reference.AppendLegal(legal, PbnCallCode(token))) {
            return std::nullopt;
        }
    }
    return UnlessEmpty(std::move(reference));
}

std::optional<CReferenceAuction> CReferenceAuction::FromFieldText(const std::string& text) {
    const std::size_t colon = text.find(':');
    const int firstSeat = SeatOfText(text.substr(0, colon == std::string::npos ? 0 : colon));
    if (firstSeat < 0) {
        return std::nullopt;
    }
    CReferenceAuction reference(firstSeat);
    CLegalCalls legal(firstSeat);
    for (const std::string& word : Tokens(text.substr(colon + 1))) {
        if (reference.m_complete || !reference.AppendLegal(legal, CCall::GetCallCode(word))) {
            return std::nullopt;
        }
    }
    return UnlessEmpty(std::move(reference));
}

std::string CReferenceAuction::GetFieldText() const {
    std::string text(1, SeatLetter(m_firstSeat));
    text += ':';
    for (std::size_t i = 0; i < m_calls.size(); ++i) {
        if (i > 0) {
            text += ' ';
        }
        text += CCall::GetCallText(m_calls[i]);
    }
    return text;
}

void CReferenceAuction::AddNote(int callIndex, const std::string& text) {
    if (callIndex < 0 || callIndex >= static_cast<int>(m_calls.size()) ||
        m_notes.size() >= kMaxNotes) {
        return;
    }
    std::string line = text;
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    m_notes.push_back({callIndex, std::move(line)});
}

std::vector<int> CReferenceAuction::GetEntries() const {
    std::vector<int> entries(static_cast<std::size_t>(m_firstSeat), IDC_PLACEHOLDER);
    entries.insert(entries.end(), m_calls.begin(), m_calls.end());
    return entries;
}
