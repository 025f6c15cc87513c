#include "gui/table/DialogPictures.h"

#include <QPainter>
#include <QWidget>

#include "core/deals/CDeal.h"
#include "core/deals/Seats.h"
#include "gui/images/PictureIds.h"
#include "gui/images/Pictures.h"
#include "gui/table/DialogIds.h"

void DrawTransparentBitmap(QPainter& painter, const QWidget& dialog, unsigned bitmapId,
                           unsigned controlId, int mode, int x, int y, double scale) {
    const auto* control = dialog.findChild<QWidget*>(ControlName(controlId));
    const QPixmap picture = PaintPicture(bitmapId, painter.device()->devicePixelRatioF() * scale);
    if (control == nullptr || picture.isNull()) {
        return;
    }
    const QRectF place(control->mapTo(&dialog, QPoint(0, 0)), control->size());
    const QSizeF size = QSizeF(PictureSize(bitmapId)) * scale;
    QPointF topLeft = place.topLeft() + QPointF(x, y) * scale;
    if (mode == 1) {
        topLeft = place.center() - QPointF(size.width(), size.height()) / 2;
    }
    painter.drawPixmap(QRectF(topLeft, size), picture, QRectF(picture.rect()));
}

void PaintDialogPictures(QPainter& painter, const QWidget& dialog, CDeal& deal, bool colour,
                         double scale) {
    for (int seat = 0; seat < kSeatCount; ++seat) {
        for (int suit = 0; suit < kSuitCount; ++suit) {
            DrawTransparentBitmap(painter, dialog, kSuitPictureIds[suit],
                                  HoldingControlId(seat, suit), 0, -30, 1, scale);
        }
    }
    const int vulnerability = deal.GetVulnerability();
    if (vulnerability >= VULNERABLE_NONE && vulnerability <= VULNERABLE_ALL) {
        DrawTransparentBitmap(painter, dialog,
                              kVulnerabilityPictureIds[vulnerability][colour ? 1 : 0],
                              IDC_COMPASS_FRAME, 1, 0, 0, scale);
    }
}
