// The tree pictures and the toolbar's pictures, 16 x 16.

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include "gui/images/PictureIds.h"
#include "gui/images/PicturePainting.h"

namespace {

const QColor kOutline(48, 48, 48);
const QColor kPaper(255, 255, 255);

void Outlined(QPainter& painter, const QColor& fill) {
    painter.setPen(QPen(kOutline, 1.0));
    painter.setBrush(fill);
}

void PaintDesktop(QPainter& painter) {
    // A screen on a stand.
    Outlined(painter, QColor(0, 128, 128));
    painter.drawRect(QRectF(1.5, 1.5, 13, 10));
    painter.fillRect(QRectF(3, 3, 10, 7), QColor(0, 160, 160));
    painter.fillRect(QRectF(4, 4, 4, 2), QColor(210, 240, 240));
    painter.fillRect(QRectF(6.5, 12, 3, 2), QColor(96, 96, 96));
    painter.fillRect(QRectF(3.5, 14, 9, 1.5), kOutline);
}

void PaintDealsSquare(QPainter& painter, const QRectF& square) {
    Outlined(painter, kPaper);
    painter.drawRect(square.adjusted(0.5, 0.5, -0.5, -0.5));
    const double half = (square.width() - 2) / 2;
    const QPointF origin = square.topLeft() + QPointF(1, 1);
    // Spade and heart above, diamond and club below.
    const Strain strains[4] = {STRAIN_SPADES, STRAIN_HEARTS, STRAIN_DIAMONDS, STRAIN_CLUBS};
    for (int i = 0; i < 4; ++i) {
        const QRectF box(origin.x() + (i % 2) * half + 0.5, origin.y() + (i / 2) * half + 0.5,
                         half - 1, half - 1);
        PaintSuitSymbol(painter, box, strains[i], IsRedStrain(strains[i]) ? kSuitRed : kSuitBlack);
    }
}

void PaintCrossOut(QPainter& painter) {
    painter.setPen(QPen(kSuitRed, 2.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(2, 2), QPointF(14, 14));
    painter.drawLine(QPointF(14, 2), QPointF(2, 14));
}

void PaintPage(QPainter& painter, const QRectF& r) {
    const QPainterPath page = ClosedPolygon({r.topLeft(),
                                             {r.right() - 3, r.top()},
                                             {r.right(), r.top() + 3},
                                             r.bottomRight(),
                                             r.bottomLeft()});
    Outlined(painter, kPaper);
    painter.drawPath(page);
    painter.drawLine(QPointF(r.right() - 3, r.top()), QPointF(r.right() - 3, r.top() + 3));
    painter.drawLine(QPointF(r.right() - 3, r.top() + 3), QPointF(r.right(), r.top() + 3));
}

void PaintTextLines(QPainter& painter, const QRectF& r) {
    painter.setPen(QPen(QColor(120, 120, 120), 1.0));
    for (double y = r.top(); y <= r.bottom(); y += 2) {
        painter.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    }
}

void PaintOpen(QPainter& painter) {
    Outlined(painter, QColor(230, 190, 60));
    painter.drawRect(QRectF(1.5, 4.5, 11, 9));
    const QPainterPath flap = ClosedPolygon({{3.5, 7.5}, {15.5, 7.5}, {12.5, 13.5}, {1.5, 13.5}});
    Outlined(painter, QColor(250, 220, 110));
    painter.drawPath(flap);
    painter.fillRect(QRectF(2, 3, 4, 1.5), QColor(230, 190, 60));
}

void PaintSave(QPainter& painter) {
    Outlined(painter, QColor(40, 60, 150));
    painter.drawRect(QRectF(1.5, 1.5, 13, 13));
    painter.fillRect(QRectF(4, 2, 8, 5), kPaper);
    painter.fillRect(QRectF(4, 9, 8, 5), QColor(190, 190, 190));
    painter.fillRect(QRectF(9, 10, 2, 3), QColor(40, 60, 150));
}

void PaintPrinter(QPainter& painter) {
    Outlined(painter, kPaper);
    painter.drawRect(QRectF(4.5, 1.5, 7, 5));
    Outlined(painter, QColor(190, 190, 190));
    painter.drawRect(QRectF(1.5, 6.5, 13, 6));
    Outlined(painter, kPaper);
    painter.drawRect(QRectF(4.5, 10.5, 7, 4));
    painter.fillRect(QRectF(11, 8, 2, 1.5), QColor(0, 170, 0));
}

void PaintPreview(QPainter& painter) {
    PaintPage(painter, QRectF(1.5, 0.5, 10, 14));
    PaintTextLines(painter, QRectF(3.5, 5.5, 5, 6));
    painter.setRenderHint(QPainter::Antialiasing);
    Outlined(painter, QColor(200, 230, 255, 220));
    painter.drawEllipse(QPointF(9.5, 8.5), 3.5, 3.5);
    painter.setPen(QPen(kOutline, 2.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(12, 11), QPointF(14.5, 14.5));
}

void PaintInsertSession(QPainter& painter) {
    PaintDealsSquare(painter, QRectF(0, 3, 12, 12));
    painter.setPen(QPen(QColor(0, 150, 0), 2.0));
    painter.drawLine(QPointF(12.5, 0.5), QPointF(12.5, 7.5));
    painter.drawLine(QPointF(9, 4), QPointF(16, 4));
}

void PaintCut(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(90, 90, 90), 1.2));
    painter.drawLine(QPointF(5, 1), QPointF(10, 10));
    painter.drawLine(QPointF(11, 1), QPointF(6, 10));
    painter.setPen(QPen(QColor(0, 0, 160), 1.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(4.5, 12.5), 2.5, 2.5);
    painter.drawEllipse(QPointF(11.5, 12.5), 2.5, 2.5);
}

void PaintCopy(QPainter& painter) {
    PaintPage(painter, QRectF(1.5, 0.5, 8, 10));
    PaintTextLines(painter, QRectF(3.5, 4.5, 4, 4));
    PaintPage(painter, QRectF(6.5, 5.5, 8, 10));
    PaintTextLines(painter, QRectF(8.5, 9.5, 4, 4));
}

void PaintPaste(QPainter& painter) {
    Outlined(painter, QColor(170, 120, 60));
    painter.drawRect(QRectF(1.5, 2.5, 10, 12));
    painter.fillRect(QRectF(4, 1, 5, 3), QColor(110, 110, 110));
    PaintPage(painter, QRectF(6.5, 6.5, 8, 9));
    PaintTextLines(painter, QRectF(8.5, 9.5, 4, 4));
}

void PaintAbout(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 90, 200));
    painter.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    QFont font = painter.font();
    font.setPixelSize(12);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(kPaper);
    painter.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
}

}  // namespace

bool PaintTreePicture(QPainter& painter, unsigned id) {
    switch (id) {
        case IDB_DESKTOP:
            PaintDesktop(painter);
            return true;
        case IDB_DEALS:
            painter.setRenderHint(QPainter::Antialiasing, false);
            PaintDealsSquare(painter, QRectF(0, 0, 16, 16));
            return true;
        case IDB_LOAD_FAILED:
            PaintDesktop(painter);
            painter.setRenderHint(QPainter::Antialiasing);
            PaintCrossOut(painter);
            return true;
        default:
            return false;
    }
}

bool PaintToolbarPicture(QPainter& painter, unsigned id) {
    switch (id) {
        case ID_FILE_NEW:
            PaintPage(painter, QRectF(2.5, 0.5, 11, 15));
            return true;
        case ID_FILE_OPEN:
            PaintOpen(painter);
            return true;
        case ID_FILE_SAVE:
            PaintSave(painter);
            return true;
        case ID_FILE_PRINT:
            PaintPrinter(painter);
            return true;
        case ID_FILE_PRINT_PREVIEW:
            PaintPreview(painter);
            return true;
        case ID_INSERT_BIDDING_SESSION:
            PaintInsertSession(painter);
            return true;
        case ID_EDIT_CUT:
            PaintCut(painter);
            return true;
        case ID_EDIT_COPY:
            PaintCopy(painter);
            return true;
        case ID_EDIT_PASTE:
            PaintPaste(painter);
            return true;
        case ID_APP_ABOUT:
            PaintAbout(painter);
            return true;
        default:
            return false;
    }
}
