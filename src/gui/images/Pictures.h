#pragma once

#include <vector>

#include <QIcon>
#include <QPixmap>
#include <QSize>

// Every picture of the program, painted at run time by its bitmap id (tree pictures, suit
// symbols, vulnerability pictures, the faces of the bidding box and navigation buttons) or,
// for the toolbar, by its command id. Painted for the given device pixel ratio, so they stay
// crisp on high-density screens. The ids are in images/PictureIds.h.
//
// An id without a picture gives an empty size, a null pixmap and a null icon.
QSize PictureSize(unsigned id);
QPixmap PaintPicture(unsigned id, qreal devicePixelRatio = 1.0);
// All scales of one picture, for buttons, menus and tree nodes; painted afresh for each
// size and scale asked for.
QIcon PictureIcon(unsigned id);

bool HasPicture(unsigned id);
std::vector<unsigned> AllPictureIds();
