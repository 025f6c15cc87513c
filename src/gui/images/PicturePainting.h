#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <QSize>
#include <initializer_list>

#include "core/bidding/BiddingIds.h"

class QPainter;

// The painters behind Pictures.h. Each paints in logical pixels onto a transparent canvas
// of the picture's size; the caller has already scaled the painter for the screen.

// The closed outline through the corners, in order.
inline QPainterPath ClosedPolygon(std::initializer_list<QPointF> corners) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(corners)));
    path.closeSubpath();
    return path;
}

// Colours shared by the pictures.
inline const QColor kSuitRed{220, 0, 0};
inline const QColor kSuitBlack{0, 0, 0};
inline const QColor kGreyText{128, 128, 128};

// A suit's symbol, by its strain; nothing for no trumps.
void PaintSuitSymbol(QPainter& painter, const QRectF& box, Strain strain, const QColor& colour);

// Suit picture (17 x 17).
void PaintSuitPicture(QPainter& painter, Strain strain);
// Vulnerability cross (35 x 35): code 0 none, 1 North-South, 2 East-West, 3 both.
void PaintVulnerabilityPicture(QPainter& painter, int code, bool colour);

enum class ButtonFace { Normal, Pressed, Focused, Disabled };

// What a face carries on it.
struct ButtonLabel {
    enum Kind { Bid, Text, TakeBack, First, Previous, Next, Last } kind;
    int level = 0;                // Bid
    Strain strain = STRAIN_NONE;  // Bid
    const char* text = "";        // Text
    QColor colour{};              // Text
};

// A light grey 18 x 18 button face with its label.
void PaintButtonFace(QPainter& painter, QSize size, ButtonFace face, const ButtonLabel& label);

// Tree pictures (16 x 16) by bitmap id, toolbar pictures (16 x 16) by command id. They
// return false for an id they do not know.
bool PaintTreePicture(QPainter& painter, unsigned id);
bool PaintToolbarPicture(QPainter& painter, unsigned id);
