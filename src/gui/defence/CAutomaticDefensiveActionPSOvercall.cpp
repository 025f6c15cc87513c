#include "gui/defence/CAutomaticDefensiveActionPSOvercall.h"

CAutomaticDefensiveActionPSOvercall::CAutomaticDefensiveActionPSOvercall()
    : CAutomaticDefensiveActionPage(
          QStringLiteral("Overcall"), IDD_DEFENCE_OVERCALL,
          {{"Overcall",
            {},
            {{"East &bids spades:", {{DefenceText::RHOOvercallsLowest, 1245}}},
             {"East bi&ds 4S:", {{DefenceText::RHOOvercallsExact, 1247}}},
             {"East bid&s at most 4S:", {{DefenceText::RHOOvercallsMax, 1248}}}}},
           {"Jump overcall",
            {},
            {{"East j&umps in spades:", {{DefenceText::RHOJumpOvercallsLowest, 1246}}},
             {"East ju&mps to 4S:", {{DefenceText::RHOJumpOvercallsExact, 1249}}},
             {"East jum&ps to at most 4S:", {{DefenceText::RHOJumpOvercallsMax, 1250}}}}}}) {}
