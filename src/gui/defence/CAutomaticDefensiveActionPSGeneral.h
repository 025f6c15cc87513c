#pragma once

#include "gui/defence/CAutomaticDefensiveActionPage.h"

// The General page of the Automatic Defensive Actions sheet (dialog 387).
class CAutomaticDefensiveActionPSGeneral : public CAutomaticDefensiveActionPage {
    Q_OBJECT

public:
    CAutomaticDefensiveActionPSGeneral();
};
