#include "images/Pictures.h"

#include <QPainter>

QSize PictureSize(unsigned) { return QSize(16, 16); }

QPixmap PaintPicture(unsigned id, qreal devicePixelRatio) {
    QPixmap pixmap(PictureSize(id) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QIcon PictureIcon(unsigned id) {
    QIcon icon;
    for (qreal ratio : {1.0, 2.0}) {
        icon.addPixmap(PaintPicture(id, ratio));
    }
    return icon;
}
