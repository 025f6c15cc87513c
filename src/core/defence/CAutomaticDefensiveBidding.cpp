#include "defence/CAutomaticDefensiveBidding.h"

#include "defence/DefenceStrings.h"
#include "defence/ReplaceFirst.h"
#include "platform/Settings.h"

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

DefenceText TextAt(int index) { return static_cast<DefenceText>(index); }
}  // namespace

CAutomaticDefensiveBidding::CAutomaticDefensiveBidding() { Load(); }

std::string CAutomaticDefensiveBidding::GetKey(DefenceText text) { return kKeys[Index(text)]; }

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

void CAutomaticDefensiveBidding::GetDefenderName(int defender, std::string& name) const {
    if (defender == 0 || defender == 1) {
        name = Get(defender == 0 ? DefenceText::East : DefenceText::West);
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
    if (actionTemplate.empty()) {
        return false;
    }
    std::string filled = actionTemplate;
    ReplaceFirst(filled, defenderPlaceholder, defenderName, true);
    ReplaceFirst(filled, strainPlaceholder, strainText, true);
    std::string upperText = text;
    MakeUpperAscii(upperText);
    MakeUpperAscii(filled);
    return upperText.find(filled) != std::string::npos;
}
