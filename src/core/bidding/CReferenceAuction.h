#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

// The auction a deal file carries for a deal (a teacher's PBN [Auction] section): what the
// pair was meant to bid, with the notes on its calls. Every call in it is legal at its place;
// it may stop before the auction is complete.
class CReferenceAuction {
public:
    struct Note {
        int callIndex;  // 0 for the first call
        std::string text;
        bool operator==(const Note&) const = default;
    };

    // From the value of an [Auction "X"] tag (X the seat of the first call) and the text of its
    // section, the notes of the Note tags that follow it by number ("1" for [Note "1:..."]).
    // Nothing when the section holds a token that is neither a call nor a known annotation,
    // or a call not legal at its place, or no call at all.
    static std::optional<CReferenceAuction> FromPbn(
        const std::string& seatValue, const std::string& section,
        const std::map<std::string, std::string>& notes);
    // From a document's field text ("N:1S P 4S P P P"); nothing for a text that is not one.
    static std::optional<CReferenceAuction> FromFieldText(const std::string& text);

    // The first caller's letter, ":" and the calls as lvtool bid takes them.
    std::string GetFieldText() const;
    // More notes than an auction has calls are dropped, so that a hostile file cannot pile
    // them up.
    static constexpr std::size_t kMaxNotes = 400;

    // Ignored for an index that is no call of the auction. Line ends become blanks.
    void AddNote(int callIndex, const std::string& text);

    int GetFirstSeat() const { return m_firstSeat; }
    // The codes of the calls, from the first caller's.
    const std::vector<int>& GetCalls() const { return m_calls; }
    const std::vector<Note>& GetNotes() const { return m_notes; }
    bool IsComplete() const { return m_complete; }
    // The calls after a placeholder for each seat from West up to the first caller, as an
    // auction of a deal holds them.
    std::vector<int> GetEntries() const;

    bool operator==(const CReferenceAuction&) const = default;

private:
    class CLegalCalls;

    explicit CReferenceAuction(int firstSeat) : m_firstSeat(firstSeat) {}
    // Appends the call when it is one (a code above 0) and legal after the calls so far.
    bool AppendLegal(CLegalCalls& legal, int code);
    // The auction read, or nothing when it holds no call.
    static std::optional<CReferenceAuction> UnlessEmpty(CReferenceAuction&& reference);

    int m_firstSeat;
    std::vector<int> m_calls;
    std::vector<Note> m_notes;
    bool m_complete = false;
};
