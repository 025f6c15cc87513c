// The faces of the bidding box and navigation buttons: light grey raised buttons; the focused
// face adds a black border and a dotted frame, the pressed face is the focused one sunken,
// the disabled face shows its label in grey.

#include <QFont>
#include <QFontDatabase>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "gui/images/PicturePainting.h"

namespace {

const QColor kFace(222, 222, 222);
const QColor kLight(255, 255, 255);
const QColor kShadow(128, 128, 128);
const QColor kDarkShadow(64, 64, 64);

QFont LabelFont(double pixelSize) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPixelSize(static_cast<int>(pixelSize));
    font.setBold(true);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// A one-pixel frame along the inside of r: top and left in one colour, bottom and right in
// another. Filled rectangles rather than lines, so the corners are exact at any scale.
void DrawBevel(QPainter& painter, const QRectF& r, const QColor& topLeft,
               const QColor& bottomRight) {
    painter.fillRect(QRectF(r.left(), r.top(), r.width(), 1), topLeft);
    painter.fillRect(QRectF(r.left(), r.top(), 1, r.height()), topLeft);
    painter.fillRect(QRectF(r.left(), r.bottom() - 1, r.width(), 1), bottomRight);
    painter.fillRect(QRectF(r.right() - 1, r.top(), 1, r.height()), bottomRight);
}

void DrawText(QPainter& painter, const QRectF& box, const QString& text, const QColor& colour,
              double pixelSize) {
    painter.setFont(LabelFont(pixelSize));
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter, text);
}

// The label inside the area (the button less its frame).
void PaintLabel(QPainter& painter, const QRectF& area, const ButtonLabel& label, bool enabled) {
    const QColor black = enabled ? kSuitBlack : kGreyText;
    const QPointF c = area.center();
    switch (label.kind) {
        case ButtonLabel::Bid: {
            // The symbol takes the larger part of the face, so that a club and a spade are
            // told apart at a glance even on the small buttons.
            const QRectF digit(area.left() - 0.5, area.top(), area.width() * 0.4, area.height());
            DrawText(painter, digit, QString::number(label.level), black, area.height() * 0.78);
            const double s = std::min(area.width() * 0.64, area.height() * 0.8);
            const QRectF symbol(area.right() - s, c.y() - s / 2, s, s);
            if (label.strain == STRAIN_NOTRUMP) {
                DrawText(painter, symbol.adjusted(-1, -2, 1, 2), QStringLiteral("N"), black,
                         area.height() * 0.8);
            } else {
                const QColor colour = !enabled                    ? kGreyText
                                      : IsRedStrain(label.strain) ? kSuitRed
                                                                  : kSuitBlack;
                PaintSuitSymbol(painter, symbol, label.strain, colour);
            }
            break;
        }
        case ButtonLabel::Text: {
            const QString text = QString::fromLatin1(label.text);
            const double size = text.size() > 1 ? area.height() * 0.68 : area.height() * 0.8;
            DrawText(painter, area.adjusted(-1, 0, 1, 0), text, enabled ? label.colour : kGreyText,
                     size);
            break;
        }
        case ButtonLabel::TakeBack: {
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(QPen(enabled ? kSuitRed : kGreyText, 2.2, Qt::SolidLine, Qt::RoundCap));
            const double d = area.width() * 0.3;
            painter.drawLine(c + QPointF(-d, -d), c + QPointF(d, d));
            painter.drawLine(c + QPointF(-d, d), c + QPointF(d, -d));
            break;
        }
        case ButtonLabel::First:
        case ButtonLabel::Previous:
        case ButtonLabel::Next:
        case ButtonLabel::Last: {
            // A triangle pointing right (next, last) or left, with a bar at its tip for
            // first and last.
            const bool right = label.kind == ButtonLabel::Next || label.kind == ButtonLabel::Last;
            const bool bar = label.kind == ButtonLabel::First || label.kind == ButtonLabel::Last;
            const double h = area.height() * 0.62, w = h * 0.6;
            const double total = w + (bar ? 2.5 : 0.0);
            const double left = c.x() - total / 2;
            const double tipX = right ? left + w : (bar ? left + 2.5 : left);
            const double baseX = right ? left : tipX + w;
            const QPainterPath triangle =
                ClosedPolygon({{baseX, c.y() - h / 2}, {tipX, c.y()}, {baseX, c.y() + h / 2}});
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(Qt::NoPen);
            painter.setBrush(black);
            painter.drawPath(triangle);
            if (bar) {
                const double barX = right ? tipX + 0.5 : left;
                painter.drawRect(QRectF(barX, c.y() - h / 2, 2.0, h));
            }
            break;
        }
    }
}

}  // namespace

void PaintButtonFace(QPainter& painter, QSize size, ButtonFace face, const ButtonLabel& label) {
    painter.save();
    QRectF r(QPointF(0, 0), QSizeF(size));
    painter.fillRect(r, kFace);
    const bool focusFrame = face == ButtonFace::Focused || face == ButtonFace::Pressed;
    if (focusFrame) {
        DrawBevel(painter, r, kSuitBlack, kSuitBlack);
        r.adjust(1, 1, -1, -1);
    }
    if (face == ButtonFace::Pressed) {
        DrawBevel(painter, r, kShadow, kShadow);
    } else {
        DrawBevel(painter, r, kLight, kDarkShadow);
        DrawBevel(painter, r.adjusted(1, 1, -1, -1), kFace, kShadow);
    }
    // The label keeps its place on every face (the pressed one moves it down and right);
    // the dotted frame runs under its edges, as small buttons have always done.
    QRectF area(2, 2, size.width() - 4, size.height() - 4);
    if (focusFrame) {
        painter.setPen(QPen(kSuitBlack, 1.0, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        const QRectF dots = area.adjusted(0.5, 0.5, -0.5, -0.5);
        painter.drawRect(face == ButtonFace::Pressed ? dots.translated(1, 1) : dots);
    }
    if (face == ButtonFace::Pressed) {
        area.translate(1, 1);
    }
    PaintLabel(painter, area, label, face != ButtonFace::Disabled);
    painter.restore();
}
