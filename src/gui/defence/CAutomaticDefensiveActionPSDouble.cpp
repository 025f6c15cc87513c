#include "gui/defence/CAutomaticDefensiveActionPSDouble.h"

CAutomaticDefensiveActionPSDouble::CAutomaticDefensiveActionPSDouble()
    : CAutomaticDefensiveActionPage(
          QStringLiteral("Double"), 391,
          {{"Double",
            {},
            {{"East &doubles:", {{DefenceText::RHODoubles, 1252}}},
             {"East &prefers spades:", {{DefenceText::RHOPrefers, 1253}}}}}}) {}
