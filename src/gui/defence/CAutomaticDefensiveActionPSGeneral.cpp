#include "gui/defence/CAutomaticDefensiveActionPSGeneral.h"

CAutomaticDefensiveActionPSGeneral::CAutomaticDefensiveActionPSGeneral()
    : CAutomaticDefensiveActionPage(
          QStringLiteral("General"), IDD_DEFENCE_GENERAL,
          {{"Defender names",
            {},
            {{"&East:", {{DefenceText::East, 1255}}}, {"&West:", {{DefenceText::West, 1254}}}}}}) {}
