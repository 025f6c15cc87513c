#pragma once

#include "gui/defence/CAutomaticDefensiveActionPage.h"

// The Double page of the Automatic Defensive Actions sheet (dialog 391).
class CAutomaticDefensiveActionPSDouble : public CAutomaticDefensiveActionPage {
    Q_OBJECT

public:
    CAutomaticDefensiveActionPSDouble();
};
