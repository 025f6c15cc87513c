#pragma once

#include <QFont>

// The font of the bidding table's dialogs and grids: the platform's general font at 8 points,
// standing in for the "MS Sans Serif" 8 that their layouts were measured in.
QFont DialogFont();
