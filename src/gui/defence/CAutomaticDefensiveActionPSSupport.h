#pragma once

#include "gui/defence/CAutomaticDefensiveActionPage.h"

// The Support page of the Automatic Defensive Actions sheet (dialog 390).
class CAutomaticDefensiveActionPSSupport : public CAutomaticDefensiveActionPage {
    Q_OBJECT

public:
    CAutomaticDefensiveActionPSSupport();
};
