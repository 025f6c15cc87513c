#include "gui/defence/CAutomaticDefensiveActionPSOpening.h"

CAutomaticDefensiveActionPSOpening::CAutomaticDefensiveActionPSOpening()
    : CAutomaticDefensiveActionPage(
          QStringLiteral("Opening"), 388,
          {{"Opening", {}, {{"East &opens 1S:", {{DefenceText::RHOOpens, 1246}}}}}}) {}
