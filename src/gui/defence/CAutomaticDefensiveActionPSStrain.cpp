#include "gui/defence/CAutomaticDefensiveActionPSStrain.h"

CAutomaticDefensiveActionPSStrain::CAutomaticDefensiveActionPSStrain()
    : CAutomaticDefensiveActionPage(
          QStringLiteral("Strain"), IDD_DEFENCE_STRAIN,
          {{"Strain names and abbreviations",
            {"Name", "Abbreviation"},
            {{"&Clubs:", {{DefenceText::Clubs, 1244}, {DefenceText::ClubsAbbr, 1249}}},
             {"&Diamonds:", {{DefenceText::Diamonds, 1243}, {DefenceText::DiamondsAbbr, 1248}}},
             {"&Hearts:", {{DefenceText::Hearts, 1242}, {DefenceText::HeartsAbbr, 1247}}},
             {"&Spades:", {{DefenceText::Spades, 1240}, {DefenceText::SpadesAbbr, 1246}}},
             {"&No trumps:",
              {{DefenceText::NoTrumps, 1241}, {DefenceText::NoTrumpsAbbr, 1245}}}}}}) {}
