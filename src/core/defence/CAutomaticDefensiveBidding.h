#pragma once

#include <array>
#include <string>

class CAuction;

// The 27 user-editable texts of the automatic defence, in loading order.
enum class DefenceText : int {
    East,
    West,
    Clubs,
    Diamonds,
    Hearts,
    Spades,
    NoTrumps,
    ClubsAbbr,
    DiamondsAbbr,
    HeartsAbbr,
    SpadesAbbr,
    NoTrumpsAbbr,
    RHOOpens,
    RHOOvercallsLowest,
    RHOOvercallsExact,
    RHOOvercallsMax,
    RHOJumpOvercallsLowest,
    RHOJumpOvercallsExact,
    RHOJumpOvercallsMax,
    RHOSupportsLowest,
    RHOSupportsExact,
    RHOSupportsMax,
    RHOJumpSupportsLowest,
    RHOJumpSupportsExact,
    RHOJumpSupportsMax,
    RHODoubles,
    RHOPrefers,
};
constexpr int kDefenceTextCount = 27;

// The settings section that keeps the texts, one key per text named as in DefenceText.
constexpr char kDefenceSection[] = "CAutomaticDefensiveBidding";

// What an action template asks of the auction and how it bounds the call.
constexpr unsigned ACTION_OPENING = 0x01;     // the auction must not be opened yet
constexpr unsigned ACTION_OVERCALL = 0x02;    // the auction must be opened
constexpr unsigned ACTION_SUPPORT = 0x04;     // partner's last call is a bid in the strain
constexpr unsigned ACTION_PREFERENCE = 0x08;  // partner doubled, then Pass or Redouble
constexpr unsigned ACTION_LOWEST = 0x10;      // strain only: levels 1 to 7
constexpr unsigned ACTION_EXACT = 0x20;       // exactly the level named
constexpr unsigned ACTION_AT_MOST = 0x40;     // levels 1 up to the level named
constexpr unsigned ACTION_JUMP = 0x80;        // one level above the cheapest legal bid

// A copy of the defensive-action texts of the settings store, loaded when constructed, and
// the recognition of a seat's instruction text against the templates among them.
class CAutomaticDefensiveBidding {
public:
    CAutomaticDefensiveBidding();

    // Every text from the store, its default where the key is absent.
    void Load();
    // All 27 keys; setters alone never reach the store.
    void Save() const;

    static std::string GetKey(DefenceText text);
    static std::string GetDefault(DefenceText text);

    const std::string& Get(DefenceText text) const { return m_texts[Index(text)]; }
    void Set(DefenceText text, const std::string& value) { m_texts[Index(text)] = value; }

    std::string GetEast() const { return Get(DefenceText::East); }
    std::string GetWest() const { return Get(DefenceText::West); }
    std::string GetClubs() const { return Get(DefenceText::Clubs); }
    std::string GetDiamonds() const { return Get(DefenceText::Diamonds); }
    std::string GetHearts() const { return Get(DefenceText::Hearts); }
    std::string GetSpades() const { return Get(DefenceText::Spades); }
    std::string GetNoTrumps() const { return Get(DefenceText::NoTrumps); }
    std::string GetClubsAbbr() const { return Get(DefenceText::ClubsAbbr); }
    std::string GetDiamondsAbbr() const { return Get(DefenceText::DiamondsAbbr); }
    std::string GetHeartsAbbr() const { return Get(DefenceText::HeartsAbbr); }
    std::string GetSpadesAbbr() const { return Get(DefenceText::SpadesAbbr); }
    std::string GetNoTrumpsAbbr() const { return Get(DefenceText::NoTrumpsAbbr); }
    std::string GetRHOOpens() const { return Get(DefenceText::RHOOpens); }
    std::string GetRHOOvercallsLowest() const { return Get(DefenceText::RHOOvercallsLowest); }
    std::string GetRHOOvercallsExact() const { return Get(DefenceText::RHOOvercallsExact); }
    std::string GetRHOOvercallsMax() const { return Get(DefenceText::RHOOvercallsMax); }
    std::string GetRHOJumpOvercallsLowest() const {
        return Get(DefenceText::RHOJumpOvercallsLowest);
    }
    std::string GetRHOJumpOvercallsExact() const { return Get(DefenceText::RHOJumpOvercallsExact); }
    std::string GetRHOJumpOvercallsMax() const { return Get(DefenceText::RHOJumpOvercallsMax); }
    std::string GetRHOSupportsLowest() const { return Get(DefenceText::RHOSupportsLowest); }
    std::string GetRHOSupportsExact() const { return Get(DefenceText::RHOSupportsExact); }
    std::string GetRHOSupportsMax() const { return Get(DefenceText::RHOSupportsMax); }
    std::string GetRHOJumpSupportsLowest() const { return Get(DefenceText::RHOJumpSupportsLowest); }
    std::string GetRHOJumpSupportsExact() const { return Get(DefenceText::RHOJumpSupportsExact); }
    std::string GetRHOJumpSupportsMax() const { return Get(DefenceText::RHOJumpSupportsMax); }
    std::string GetRHODoubles() const { return Get(DefenceText::RHODoubles); }
    std::string GetRHOPrefers() const { return Get(DefenceText::RHOPrefers); }

    void SetEast(const std::string& v) { Set(DefenceText::East, v); }
    void SetWest(const std::string& v) { Set(DefenceText::West, v); }
    void SetClubs(const std::string& v) { Set(DefenceText::Clubs, v); }
    void SetDiamonds(const std::string& v) { Set(DefenceText::Diamonds, v); }
    void SetHearts(const std::string& v) { Set(DefenceText::Hearts, v); }
    void SetSpades(const std::string& v) { Set(DefenceText::Spades, v); }
    void SetNoTrumps(const std::string& v) { Set(DefenceText::NoTrumps, v); }
    void SetClubsAbbr(const std::string& v) { Set(DefenceText::ClubsAbbr, v); }
    void SetDiamondsAbbr(const std::string& v) { Set(DefenceText::DiamondsAbbr, v); }
    void SetHeartsAbbr(const std::string& v) { Set(DefenceText::HeartsAbbr, v); }
    void SetSpadesAbbr(const std::string& v) { Set(DefenceText::SpadesAbbr, v); }
    void SetNoTrumpsAbbr(const std::string& v) { Set(DefenceText::NoTrumpsAbbr, v); }
    void SetRHOOpens(const std::string& v) { Set(DefenceText::RHOOpens, v); }
    void SetRHOOvercallsLowest(const std::string& v) { Set(DefenceText::RHOOvercallsLowest, v); }
    void SetRHOOvercallsExact(const std::string& v) { Set(DefenceText::RHOOvercallsExact, v); }
    void SetRHOOvercallsMax(const std::string& v) { Set(DefenceText::RHOOvercallsMax, v); }
    void SetRHOJumpOvercallsLowest(const std::string& v) {
        Set(DefenceText::RHOJumpOvercallsLowest, v);
    }
    void SetRHOJumpOvercallsExact(const std::string& v) {
        Set(DefenceText::RHOJumpOvercallsExact, v);
    }
    void SetRHOJumpOvercallsMax(const std::string& v) { Set(DefenceText::RHOJumpOvercallsMax, v); }
    void SetRHOSupportsLowest(const std::string& v) { Set(DefenceText::RHOSupportsLowest, v); }
    void SetRHOSupportsExact(const std::string& v) { Set(DefenceText::RHOSupportsExact, v); }
    void SetRHOSupportsMax(const std::string& v) { Set(DefenceText::RHOSupportsMax, v); }
    void SetRHOJumpSupportsLowest(const std::string& v) {
        Set(DefenceText::RHOJumpSupportsLowest, v);
    }
    void SetRHOJumpSupportsExact(const std::string& v) {
        Set(DefenceText::RHOJumpSupportsExact, v);
    }
    void SetRHOJumpSupportsMax(const std::string& v) { Set(DefenceText::RHOJumpSupportsMax, v); }
    void SetRHODoubles(const std::string& v) { Set(DefenceText::RHODoubles, v); }
    void SetRHOPrefers(const std::string& v) { Set(DefenceText::RHOPrefers, v); }

    // Defender 0 is East, 1 West; any other index leaves name as it was.
    void GetDefenderName(int defender, std::string& name) const;
    // Strain 0 clubs .. 4 no trumps; any other index empties name and leaves abbr.
    void GetStrainName(int strain, std::string& name, std::string& abbr) const;

    // Whether the template, its first defender placeholder replaced by the defender name and
    // then its first strain placeholder by the strain text, occurs in the instruction text,
    // ignoring case. An empty template matches nothing.
    static bool MatchTemplate(const std::string& text, const std::string& actionTemplate,
                              const std::string& defenderName,
                              const std::string& defenderPlaceholder, const std::string& strainText,
                              const std::string& strainPlaceholder);

    // The call that the seat whose instruction text this is makes next, or 0 when no
    // template yields one. The templates are tried in a fixed order and the first call found
    // wins. The auction's legal calls must be up to date (UpdateLegalCalls).
    int ChooseDefensiveCall(const std::string& text, const CAuction& auction) const;
    // The cheapest legal bid in the strain from the lowest to the highest level, or with jump
    // the bid one level above it when that stays within the highest; 0 when none is legal.
    static int ComputeDefensiveBid(const CAuction& auction, int lowest, int highest, int strain,
                                   bool jump);

private:
    static std::size_t Index(DefenceText text) { return static_cast<std::size_t>(text); }

    std::array<std::string, kDefenceTextCount> m_texts;
};
