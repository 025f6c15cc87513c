#pragma once

#include <array>
#include <string>

class CAuction;
class CBiddingDeal;

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
    // The call that the seat of the deal makes next by its instruction text, the deal's
    // legal calls brought up to date first; 0 when no template yields one.
    int ChooseDefensiveCall(CBiddingDeal& deal, int seat) const;
    // The cheapest legal bid in the strain from the lowest to the highest level, or with jump
    // the bid one level above it when that stays within the highest; 0 when none is legal.
    static int ComputeDefensiveBid(const CAuction& auction, int lowest, int highest, int strain,
                                   bool jump);

private:
    static std::size_t Index(DefenceText text) { return static_cast<std::size_t>(text); }

    std::array<std::string, kDefenceTextCount> m_texts;
};
