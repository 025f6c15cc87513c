#include "gui/table/DialogPictures.h"

#include <QPainter>
#include <QWidget>

#include "core/deals/CDeal.h"
#include "core/deals/Seats.h"
#include "gui/images/PictureIds.h"
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
    // By suit and by vulnerability (deals/Seats.h), the latter plain and in colour.
    static const unsigned kSuitPictures[kSuitCount] = {IDB_SPADES, IDB_HEARTS, IDB_DIAMONDS,
                                                       IDB_CLUBS};
    static const unsigned kVulnerabilityPictures[][2] = {
        {IDB_VULNERABLE_NONE_PLAIN, IDB_VULNERABLE_NONE_COLOUR},
        {IDB_VULNERABLE_NS_PLAIN, IDB_VULNERABLE_NS_COLOUR},
        {IDB_VULNERABLE_EW_PLAIN, IDB_VULNERABLE_EW_COLOUR},
        {IDB_VULNERABLE_ALL_PLAIN, IDB_VULNERABLE_ALL_COLOUR},
    };
    for (int seat = 0; seat < kSeatCount; ++seat) {
        for (int suit = 0; suit < kSuitCount; ++suit) {
            DrawTransparentBitmap(painter, dialog, kSuitPictures[suit],
                                  HoldingControlId(seat, suit), 0, -30, 1);
        }
    }
    const int vulnerability = deal.GetVulnerability();
    if (vulnerability >= VULNERABLE_NONE && vulnerability <= VULNERABLE_ALL) {
        DrawTransparentBitmap(painter, dialog,
                              kVulnerabilityPictures[vulnerability][colour ? 1 : 0],
                              IDC_COMPASS_FRAME, 1, 0, 0);
    }
}
