#pragma once

#include "gui/defence/CAutomaticDefensiveActionPage.h"

// The Strain page of the Automatic Defensive Actions sheet (dialog 392).
class CAutomaticDefensiveActionPSStrain : public CAutomaticDefensiveActionPage {
    Q_OBJECT

public:
    CAutomaticDefensiveActionPSStrain();
};
