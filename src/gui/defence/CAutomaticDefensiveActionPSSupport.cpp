#include "gui/defence/CAutomaticDefensiveActionPSSupport.h"

CAutomaticDefensiveActionPSSupport::CAutomaticDefensiveActionPSSupport()
    : CAutomaticDefensiveActionPage(
          QStringLiteral("Support"), IDD_DEFENCE_SUPPORT,
          {{"Support",
            {},
            {{"East &supports spades:", {{DefenceText::RHOSupportsLowest, 1249}}},
             {"East s&upports to 4S:", {{DefenceText::RHOSupportsExact, 1250}}},
             {"East su&pports to at most 4S:", {{DefenceText::RHOSupportsMax, 1251}}}}},
           {"Jump support",
            {},
            {{"East j&ump supports spades:", {{DefenceText::RHOJumpSupportsLowest, 1252}}},
             {"East ju&mp supports to 4S:", {{DefenceText::RHOJumpSupportsExact, 1255}}},
             {"East jum&p supports to at most 4S:", {{DefenceText::RHOJumpSupportsMax, 1254}}}}}}) {
}
