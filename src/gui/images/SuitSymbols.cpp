// Suit symbols and the vulnerability cross, drawn as shapes so that they scale cleanly.

#include <QPainter>
#include <QPainterPath>

#include "gui/images/PicturePainting.h"

namespace {

// Shapes in a unit square, y downward.
QPainterPath HeartShape() {
    QPainterPath path;
    path.moveTo(0.5, 0.97);
    path.cubicTo(0.2, 0.7, 0.0, 0.5, 0.0, 0.3);
    path.cubicTo(0.0, 0.12, 0.12, 0.03, 0.26, 0.03);
    path.cubicTo(0.38, 0.03, 0.46, 0.1, 0.5, 0.22);
    path.cubicTo(0.54, 0.1, 0.62, 0.03, 0.74, 0.03);
    path.cubicTo(0.88, 0.03, 1.0, 0.12, 1.0, 0.3);
    path.cubicTo(1.0, 0.5, 0.8, 0.7, 0.5, 0.97);
    path.closeSubpath();
    return path;
}

// The flared foot of the spade and the club.
QPainterPath FootShape() {
    QPainterPath path;
    path.moveTo(0.5, 0.55);
    path.quadTo(0.54, 0.9, 0.76, 1.0);
    path.lineTo(0.24, 1.0);
    path.quadTo(0.46, 0.9, 0.5, 0.55);
    path.closeSubpath();
    return path;
}

QPainterPath SpadeShape() {
    // The heart upside down, squeezed into the upper four fifths, on the foot.
    QTransform flip;
    flip.translate(0.0, 0.8);
    flip.scale(1.0, -0.82);
    return flip.map(HeartShape()).united(FootShape());
}

QPainterPath ClubShape() {
    QPainterPath path;
    const double r = 0.235;
    path.addEllipse(QPointF(0.5, 0.26), r, r);
    path.addEllipse(QPointF(0.25, 0.58), r, r);
    path.addEllipse(QPointF(0.75, 0.58), r, r);
    path.addEllipse(QPointF(0.5, 0.5), 0.14, 0.14);
    QPainterPath whole;
    whole.setFillRule(Qt::WindingFill);
    whole.addPath(path);
    return whole.simplified().united(FootShape());
}

QPainterPath DiamondShape() {
    return ClosedPolygon({{0.5, 0.0}, {0.88, 0.5}, {0.5, 1.0}, {0.12, 0.5}});
}

const QPainterPath& SuitShape(Strain strain) {
    static const QPainterPath shapes[] = {ClubShape(), DiamondShape(), HeartShape(), SpadeShape()};
    return shapes[strain];
}

}  // namespace

void PaintSuitSymbol(QPainter& painter, const QRectF& box, Strain strain, const QColor& colour) {
    if (strain < STRAIN_CLUBS || strain > STRAIN_SPADES) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.topLeft());
    painter.scale(box.width(), box.height());
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(SuitShape(strain));
    painter.restore();
}

void PaintSuitPicture(QPainter& painter, Strain strain) {
    PaintSuitSymbol(painter, QRectF(2, 2, 13, 13), strain,
                    IsRedStrain(strain) ? kSuitRed : kSuitBlack);
}

void PaintVulnerabilityPicture(QPainter& painter, int code, bool colour) {
    const bool northSouth = code == 1 || code == 3;
    const bool eastWest = code == 2 || code == 3;
    const QColor vulnerable = colour ? QColor(220, 0, 0) : QColor(0, 0, 0);
    const QColor safe(0, 170, 0);

    // A vulnerable side's bar lies on top, so it reads as one unbroken bar.
    const QRectF northSouthBar(13, 1, 9, 33), eastWestBar(1, 13, 33, 9);
    painter.save();
    painter.setPen(Qt::NoPen);
    for (bool paintVulnerable : {false, true}) {
        if (!paintVulnerable && !colour) {
            continue;  // the plain set leaves a side that is not vulnerable out
        }
        painter.setBrush(paintVulnerable ? vulnerable : safe);
        if (northSouth == paintVulnerable) {
            painter.drawRect(northSouthBar);
        }
        if (eastWest == paintVulnerable) {
            painter.drawRect(eastWestBar);
        }
    }
    painter.restore();
}
