#include "gui/defence/CAutomaticDefensiveActionPSDouble.h"

CAutomaticDefensiveActionPSDouble::CAutomaticDefensiveActionPSDouble()
    : CAutomaticDefensiveActionPage(
          QStringLiteral("Double"), IDD_DEFENCE_DOUBLE,
          {{"Double",
            {},
            {{"East &doubles:", {{DefenceText::RHODoubles, 1252}}},
             {"East &prefers spades:", {{DefenceText::RHOPrefers, 1253}}}}}}) {}
