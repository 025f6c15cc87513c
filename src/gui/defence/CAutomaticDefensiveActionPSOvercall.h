#pragma once

#include "gui/defence/CAutomaticDefensiveActionPage.h"

// The Overcall page of the Automatic Defensive Actions sheet (dialog 389).
class CAutomaticDefensiveActionPSOvercall : public CAutomaticDefensiveActionPage {
    Q_OBJECT

public:
    CAutomaticDefensiveActionPSOvercall();
};
