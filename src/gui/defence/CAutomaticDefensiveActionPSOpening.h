#pragma once

#include "gui/defence/CAutomaticDefensiveActionPage.h"

// The Opening page of the Automatic Defensive Actions sheet (dialog 388).
class CAutomaticDefensiveActionPSOpening : public CAutomaticDefensiveActionPage {
    Q_OBJECT

public:
    CAutomaticDefensiveActionPSOpening();
};
