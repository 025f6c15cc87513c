#include "gui/defence/CAutomaticDefensiveActionPSOpening.h"

CAutomaticDefensiveActionPSOpening::CAutomaticDefensiveActionPSOpening()
    : CAutomaticDefensiveActionPage(
          QStringLiteral("Opening"), IDD_DEFENCE_OPENING,
          {{"Opening", {}, {{"East &opens 1S:", {{DefenceText::RHOOpens, 1246}}}}}}) {}
