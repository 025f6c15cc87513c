#include "gui/defence/CAutomaticDefensiveActionPSGeneral.h"

CAutomaticDefensiveActionPSGeneral::CAutomaticDefensiveActionPSGeneral()
    : CAutomaticDefensiveActionPage(
          QStringLiteral("General"), 387,
          {{"Defender names",
            {},
            {{"&East:", {{DefenceText::East, 1255}}}, {"&West:", {{DefenceText::West, 1254}}}}}}) {}
