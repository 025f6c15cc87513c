#include "gui/table/DialogPictures.h"

#include <QPainter>
#include <QWidget>

#include "core/deals/CDeal.h"
#include "core/deals/Seats.h"
#include "gui/images/Pictures.h"
#include "gui/table/DialogIds.h"

void DrawTransparentBitmap(QPainter& painter, const QWidget& dialog, unsigned bitmapId,
                           unsigned controlId, int mode, int x, int y) {
    const auto* control = dialog.findChild<QWidget*>(ControlName(controlId));
    const QPixmap picture = PaintPicture(bitmapId, painter.device()->devicePixelRatioF());
    if (control == nullptr || picture.isNull()) {
        return;
    }
    const QRect place(control->mapTo(&dialog, QPoint(0, 0)), control->size());
    QPoint topLeft = place.topLeft() + QPoint(x, y);
    if (mode == 1) {
        const QSize size = PictureSize(bitmapId);
        topLeft = place.topLeft() +
                  QPoint((place.width() - size.width()) / 2, (place.height() - size.height()) / 2);
    }
    painter.drawPixmap(topLeft, picture);
}

void PaintDialogPictures(QPainter& painter, const QWidget& dialog, CDeal& deal, bool colour) {
    for (int seat = 0; seat < kSeatCount; ++seat) {
        for (int suit = 0; suit < kSuitCount; ++suit) {
            DrawTransparentBitmap(painter, dialog, deal.GetSuitBitmapId(suit),
                                  deal.GetHoldingControlId(seat, suit), 0, -30, 1);
        }
    }
    DrawTransparentBitmap(painter, dialog,
                          deal.GetVulnerabilityBitmapId(deal.GetVulnerability(), colour),
                          deal.GetCompassControlId(), 1, 0, 0);
}
