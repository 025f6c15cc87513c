#include "core/defence/CAutomaticDefensiveBidding.h"

#include "core/bidding/CAuction.h"
#include "core/bidding/CBiddingDeal.h"
#include "core/bidding/CCall.h"
#include "core/defence/DefenceStrings.h"
#include "core/defence/ReplaceFirst.h"
#include "core/platform/Settings.h"
#include "core/platform/StatusDisplay.h"

namespace {
// The settings keys, in DefenceText order.
const char* const kKeys[kDefenceTextCount] = {
    "East",
    "West",
    "Clubs",
    "Diamonds",
    "Hearts",
    "Spades",
    "NoTrumps",
    "ClubsAbbr",
    "DiamondsAbbr",
    "HeartsAbbr",
    "SpadesAbbr",
    "NoTrumpsAbbr",
    "RHOOpens",
    "RHOOvercallsLowest",
    "RHOOvercallsExact",
    "RHOOvercallsMax",
    "RHOJumpOvercallsLowest",
    "RHOJumpOvercallsExact",
    "RHOJumpOvercallsMax",
    "RHOSupportsLowest",
    "RHOSupportsExact",
    "RHOSupportsMax",
    "RHOJumpSupportsLowest",
    "RHOJumpSupportsExact",
    "RHOJumpSupportsMax",
    "RHODoubles",
    "RHOPrefers",
};

// Saving writes the strain names and abbreviations before the defender names.
constexpr DefenceText kSaveOrder[kDefenceTextCount] = {
    DefenceText::Clubs,
    DefenceText::Diamonds,
    DefenceText::Hearts,
    DefenceText::Spades,
    DefenceText::NoTrumps,
    DefenceText::ClubsAbbr,
    DefenceText::DiamondsAbbr,
    DefenceText::HeartsAbbr,
    DefenceText::SpadesAbbr,
    DefenceText::NoTrumpsAbbr,
    DefenceText::East,
    DefenceText::West,
    DefenceText::RHOOpens,
    DefenceText::RHOOvercallsLowest,
    DefenceText::RHOOvercallsExact,
    DefenceText::RHOOvercallsMax,
    DefenceText::RHOJumpOvercallsLowest,
    DefenceText::RHOJumpOvercallsExact,
    DefenceText::RHOJumpOvercallsMax,
    DefenceText::RHOSupportsLowest,
    DefenceText::RHOSupportsExact,
    DefenceText::RHOSupportsMax,
    DefenceText::RHOJumpSupportsLowest,
    DefenceText::RHOJumpSupportsExact,
    DefenceText::RHOJumpSupportsMax,
    DefenceText::RHODoubles,
    DefenceText::RHOPrefers,
};

DefenceText TextAt(int index) {
    return static_cast<DefenceText>(index);
}

// The action templates in the order they are tried, with what each asks and allows.
// RHODoubles has a rule of its own and no action code.
struct ActionTemplate {
    DefenceText text;
    unsigned action;
};
constexpr ActionTemplate kTryOrder[] = {
    {DefenceText::RHOOpens, ACTION_OPENING | ACTION_EXACT},
    {DefenceText::RHODoubles, 0},
    {DefenceText::RHOPrefers, ACTION_PREFERENCE | ACTION_LOWEST},
    {DefenceText::RHOJumpSupportsLowest, ACTION_SUPPORT | ACTION_LOWEST | ACTION_JUMP},
    {DefenceText::RHOSupportsLowest, ACTION_SUPPORT | ACTION_LOWEST},
    {DefenceText::RHOJumpSupportsMax, ACTION_SUPPORT | ACTION_AT_MOST | ACTION_JUMP},
    {DefenceText::RHOSupportsMax, ACTION_SUPPORT | ACTION_AT_MOST},
    {DefenceText::RHOJumpSupportsExact, ACTION_SUPPORT | ACTION_EXACT | ACTION_JUMP},
    {DefenceText::RHOSupportsExact, ACTION_SUPPORT | ACTION_EXACT},
    {DefenceText::RHOJumpOvercallsLowest, ACTION_OVERCALL | ACTION_LOWEST | ACTION_JUMP},
    {DefenceText::RHOOvercallsLowest, ACTION_OVERCALL | ACTION_LOWEST},
    {DefenceText::RHOJumpOvercallsMax, ACTION_OVERCALL | ACTION_AT_MOST | ACTION_JUMP},
    {DefenceText::RHOOvercallsMax, ACTION_OVERCALL | ACTION_AT_MOST},
    {DefenceText::RHOJumpOvercallsExact, ACTION_OVERCALL | ACTION_EXACT | ACTION_JUMP},
    {DefenceText::RHOOvercallsExact, ACTION_OVERCALL | ACTION_EXACT},
};

// "%i%s": a level followed by a strain abbreviation, as "4S" or "1NT".
std::string LevelText(int level, const std::string& abbr) {
    return std::to_string(level) + abbr;
}

// A template with its defender placeholder filled in, in upper case, ready to take strain
// texts and be looked for in one instruction text (in upper case). Folding case keeps every
// byte in place, so filling the upper-case template gives the upper case of the filled
// template; and the strain placeholder's place depends only on the defender, so it is found
// once for all strains and levels. When the parts around the placeholder do not both occur
// in the text, no strain text can make the whole occur, and no step needs to look.
class CFilledTemplate {
public:
    CFilledTemplate(const std::string& upperText, const std::string& actionTemplate,
                    const std::string& defenderName, const std::string& defenderPlaceholder,
                    const std::string& strainPlaceholder)
        : m_upperText(upperText), m_head(actionTemplate) {
        if (actionTemplate.empty()) {
            return;
        }
        ReplaceFirst(m_head, defenderPlaceholder, defenderName, true);
        MakeUpperAscii(m_head);
        std::string placeholder = strainPlaceholder;
        MakeUpperAscii(placeholder);
        // An empty placeholder is found at the start, where an empty text changes nothing.
        const std::size_t at = m_head.find(placeholder);
        m_fillable = at != std::string::npos;
        if (m_fillable) {
            m_tail = m_head.substr(at + placeholder.size());
            m_head.resize(at);
        }
        m_possible = upperText.find(m_head) != std::string::npos &&
                     upperText.find(m_tail) != std::string::npos;
    }

    // Whether the template, its strain placeholder filled with the strain text, occurs.
    bool Occurs(const std::string& strainText, std::string& scratch) const {
        if (!m_possible) {
            return false;
        }
        if (!m_fillable) {
            return true;  // the whole template is the head, and it occurs
        }
        scratch = m_head;
        const std::size_t from = scratch.size();
        scratch += strainText;
        MakeUpperAscii(scratch, from);
        scratch += m_tail;
        return m_upperText.find(scratch) != std::string::npos;
    }

private:
    const std::string& m_upperText;
    bool m_possible = false;  // an empty template matches nothing
    bool m_fillable = false;
    std::string m_head;  // the whole filled template when the strain placeholder is missing
    std::string m_tail;
};

// Opened: some entry is a real call other than Pass.
bool IsOpened(const CAuction& auction) {
    for (int index = 0; index < auction.GetCallCount(); ++index) {
        const int code = auction.GetCallCode(index);
        if (code != IDC_PLACEHOLDER && code != IDC_PASS) {
            return true;
        }
    }
    return false;
}

// The auction as a template with these action bits requires it; the bits of the bounds and
// the jump ask nothing of it.
bool MeetsPrecondition(const CAuction& auction, unsigned action) {
    const bool opened = IsOpened(auction);
    if ((action & ACTION_OPENING) != 0 && opened) {
        return false;
    }
    return (action & (ACTION_OVERCALL | ACTION_SUPPORT | ACTION_PREFERENCE)) == 0 || opened;
}

// Support wants partner's last call (two entries back) to be a bid in the strain found;
// preference wants partner's Double followed by Pass or Redouble.
bool MeetsPostcondition(const CAuction& auction, unsigned action, int strain) {
    const int count = auction.GetCallCount();
    const CCall* partner = auction.GetCall(count - 2);
    const CCall* last = auction.GetCall(count - 1);
    if ((action & ACTION_SUPPORT) != 0 && (partner == nullptr || partner->GetStrain() != strain)) {
        return false;
    }
    if ((action & ACTION_PREFERENCE) != 0) {
        return partner != nullptr && last != nullptr && partner->GetCode() == IDC_DOUBLE &&
               (last->GetCode() == IDC_PASS || last->GetCode() == IDC_REDOUBLE);
    }
    return true;
}

// The generic rule: the first strain, then defender, then level whose filled template occurs
// in the text decides; its conditions and bounds then give the call or nothing.
int FollowTemplate(const CAutomaticDefensiveBidding& texts, const std::string& upperText,
                   const CAuction& auction, const std::string& actionTemplate, unsigned action) {
    const bool lowest = (action & ACTION_LOWEST) != 0;
    const std::string& east = texts.Get(DefenceText::East);
    const std::string strainPlaceholder = lowest ? texts.Get(DefenceText::Spades)
                                                 : LevelText((action & ACTION_OPENING) != 0 ? 1 : 4,
                                                             texts.Get(DefenceText::SpadesAbbr));
    const CFilledTemplate filled[2] = {
        {upperText, actionTemplate, texts.Get(DefenceText::East), east, strainPlaceholder},
        {upperText, actionTemplate, texts.Get(DefenceText::West), east, strainPlaceholder},
    };
    std::string scratch;
    // Without a level only the strain name is filled in, the same for every level: one step
    // stands for all seven.
    const int levels = lowest ? 1 : kLevelCount;
    for (int strain = 0; strain < kStrainCount; ++strain) {
        std::string name;
        std::string abbr;
        texts.GetStrainName(strain, name, abbr);
        for (const CFilledTemplate& byDefender : filled) {
            for (int level = 1; level <= levels; ++level) {
                if (!byDefender.Occurs(lowest ? name : LevelText(level, abbr), scratch)) {
                    continue;
                }
                if (!MeetsPostcondition(auction, action, strain)) {
                    return 0;
                }
                const int lowestLevel = (action & ACTION_EXACT) != 0 ? level : 1;
                const int highestLevel = lowest ? kLevelCount : level;
                return CAutomaticDefensiveBidding::ComputeDefensiveBid(
                    auction, lowestLevel, highestLevel, strain, (action & ACTION_JUMP) != 0);
            }
        }
    }
    return 0;
}
}  // namespace

CAutomaticDefensiveBidding::CAutomaticDefensiveBidding() {
    Load();
}

std::string CAutomaticDefensiveBidding::GetKey(DefenceText text) {
    return kKeys[Index(text)];
}

std::string CAutomaticDefensiveBidding::GetDefault(DefenceText text) {
    return LoadString(IDS_DEFENCE_DEFAULTS + static_cast<unsigned>(Index(text)));
}

void CAutomaticDefensiveBidding::Load() {
    for (int i = 0; i < kDefenceTextCount; ++i) {
        Set(TextAt(i), GetProfileString(kDefenceSection, GetKey(TextAt(i)), GetDefault(TextAt(i))));
    }
}

void CAutomaticDefensiveBidding::Save() const {
    for (DefenceText text : kSaveOrder) {
        WriteProfileString(kDefenceSection, GetKey(text), Get(text));
    }
}

void CAutomaticDefensiveBidding::GetStrainName(int strain, std::string& name,
                                               std::string& abbr) const {
    if (strain < 0 || strain > 4) {
        name.clear();
        return;
    }
    name = Get(TextAt(static_cast<int>(DefenceText::Clubs) + strain));
    abbr = Get(TextAt(static_cast<int>(DefenceText::ClubsAbbr) + strain));
}

bool CAutomaticDefensiveBidding::MatchTemplate(const std::string& text,
                                               const std::string& actionTemplate,
                                               const std::string& defenderName,
                                               const std::string& defenderPlaceholder,
                                               const std::string& strainText,
                                               const std::string& strainPlaceholder) {
    std::string upperText = text;
    MakeUpperAscii(upperText);
    std::string scratch;
    return CFilledTemplate(upperText, actionTemplate, defenderName, defenderPlaceholder,
                           strainPlaceholder)
        .Occurs(strainText, scratch);
}

int CAutomaticDefensiveBidding::ChooseDefensiveCall(const std::string& text,
                                                    const CAuction& auction) const {
    if (text.empty()) {
        return 0;
    }
    CWaitCursor wait;
    std::string upperText = text;
    MakeUpperAscii(upperText);
    std::string scratch;
    for (const ActionTemplate& entry : kTryOrder) {
        const std::string& actionTemplate = Get(entry.text);
        int code = 0;
        if (entry.text == DefenceText::RHODoubles) {
            // Either defender's name will do; Double's legality stands in for an opening.
            for (const DefenceText defender : {DefenceText::East, DefenceText::West}) {
                const CFilledTemplate filled(upperText, actionTemplate, Get(defender),
                                             Get(DefenceText::East), "");
                if (filled.Occurs("", scratch) && CCall(IDC_DOUBLE).IsEnabledIn(auction)) {
                    code = IDC_DOUBLE;
                    break;
                }
            }
        } else if (!actionTemplate.empty() && MeetsPrecondition(auction, entry.action)) {
            code = FollowTemplate(*this, upperText, auction, actionTemplate, entry.action);
        }
        if (code != 0) {
            return code;
        }
    }
    return 0;
}

int CAutomaticDefensiveBidding::ComputeDefensiveBid(const CAuction& auction, int lowest,
                                                    int highest, int strain, bool jump) {
    for (int level = lowest; level <= highest; ++level) {
        if (CCall(level, strain).IsEnabledIn(auction)) {
            // A jump past the highest level falls back to the plain bid.
            return CCall::MakeCallCode(jump && level < highest ? level + 1 : level, strain);
        }
    }
    return 0;
}

int CAutomaticDefensiveBidding::ChooseDefensiveCall(CBiddingDeal& deal, int seat) const {
    CAuction& auction = *deal.GetAuction();
    auction.UpdateLegalCalls(nullptr);
    return ChooseDefensiveCall(deal.GetSeatText(seat), auction);
}
