#include "gui/images/Pictures.h"

#include <cmath>
#include <functional>
#include <map>

#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>

#include "gui/images/PictureIds.h"
#include "gui/images/PicturePainting.h"

namespace {

struct PictureEntry {
    QSize size;
    std::function<void(QPainter&)> paint;
};

using Catalogue = std::map<unsigned, PictureEntry>;

void AddFaces(Catalogue& catalogue, const ButtonFaces& ids, const ButtonLabel& label) {
    const QSize size(18, 18);
    const std::pair<unsigned, ButtonFace> faces[] = {{ids.normal, ButtonFace::Normal},
                                                     {ids.pressed, ButtonFace::Pressed},
                                                     {ids.focused, ButtonFace::Focused},
                                                     {ids.disabled, ButtonFace::Disabled}};
    for (const auto& [id, face] : faces) {
        catalogue[id] = {size, [size, face = face, label](QPainter& painter) {
                             PaintButtonFace(painter, size, face, label);
                         }};
    }
}

Catalogue MakeCatalogue() {
    Catalogue catalogue;
    for (unsigned id : {IDB_DESKTOP, IDB_DEALS, IDB_LOAD_FAILED}) {
        catalogue[id] = {QSize(16, 16), [id](QPainter& p) { PaintTreePicture(p, id); }};
    }
    for (unsigned id :
         {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW,
          ID_INSERT_BIDDING_SESSION, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_APP_ABOUT}) {
        catalogue[id] = {QSize(16, 16), [id](QPainter& p) { PaintToolbarPicture(p, id); }};
    }

    for (int suit = 0; suit < kSuitCount; ++suit) {
        // Suits run from spades, strains from clubs.
        const auto strain = static_cast<Strain>(STRAIN_SPADES - suit);
        catalogue[kSuitPictureIds[suit]] = {QSize(17, 17),
                                            [strain](QPainter& p) { PaintSuitPicture(p, strain); }};
    }
    for (int code = VULNERABLE_NONE; code <= VULNERABLE_ALL; ++code) {
        for (const bool colour : {false, true}) {
            catalogue[kVulnerabilityPictureIds[code][colour ? 1 : 0]] = {
                QSize(35, 35),
                [code, colour](QPainter& p) { PaintVulnerabilityPicture(p, code, colour); }};
        }
    }

    AddFaces(catalogue, kFirstDealFaces, {ButtonLabel::First});
    AddFaces(catalogue, kPreviousDealFaces, {ButtonLabel::Previous});
    AddFaces(catalogue, kNextDealFaces, {ButtonLabel::Next});
    AddFaces(catalogue, kLastDealFaces, {ButtonLabel::Last});
    for (int k = 0; k < kBidCount; ++k) {
        ButtonLabel label{ButtonLabel::Bid};
        label.level = k / 5 + 1;
        label.strain = static_cast<Strain>(k % kStrainCount);
        AddFaces(catalogue, BidFaces(k), label);
    }
    // The colours of a bidding box's cards: green Pass, red Double, blue Redouble.
    AddFaces(catalogue, kPassFaces,
             {.kind = ButtonLabel::Text, .text = "P", .colour = QColor(0, 128, 0)});
    AddFaces(catalogue, kDoubleFaces,
             {.kind = ButtonLabel::Text, .text = "D", .colour = QColor(200, 0, 0)});
    AddFaces(catalogue, kRedoubleFaces,
             {.kind = ButtonLabel::Text, .text = "RD", .colour = QColor(0, 0, 200)});
    AddFaces(catalogue, kTakeBackFaces, {ButtonLabel::TakeBack});
    return catalogue;
}

const Catalogue& Pictures() {
    static const Catalogue catalogue = MakeCatalogue();
    return catalogue;
}

const PictureEntry* FindPicture(unsigned id) {
    const auto found = Pictures().find(id);
    return found == Pictures().end() ? nullptr : &found->second;
}

// The picture scaled to fit size (keeping its shape), painted for ratio.
QPixmap PaintScaled(const PictureEntry& entry, QSize size, qreal ratio) {
    const QSize physical(static_cast<int>(std::ceil(size.width() * ratio)),
                         static_cast<int>(std::ceil(size.height() * ratio)));
    QPixmap pixmap(physical);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.scale(qreal(size.width()) / entry.size.width(),
                  qreal(size.height()) / entry.size.height());
    entry.paint(painter);
    return pixmap;
}

QPixmap Greyed(const QPixmap& pixmap) {
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = 96 + qGray(line[x]) / 2;
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) / 2);
        }
    }
    QPixmap result = QPixmap::fromImage(image);
    result.setDevicePixelRatio(pixmap.devicePixelRatio());
    return result;
}

class CPictureIconEngine : public QIconEngine {
public:
    explicit CPictureIconEngine(unsigned id) : m_id(id) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const QPixmap pixmap = scaledPixmap(rect.size() * ratio, mode, state, ratio);
        const QSizeF logical = pixmap.deviceIndependentSize();
        const QPointF topLeft(rect.x() + (rect.width() - logical.width()) / 2,
                              rect.y() + (rect.height() - logical.height()) / 2);
        painter->drawPixmap(topLeft, pixmap);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const QSize own = PictureSize(m_id);
        return own.isEmpty() ? QSize() : own.scaled(size, Qt::KeepAspectRatio);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // size is in device pixels, as QIcon::pixmap asks for it.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        const PictureEntry* entry = FindPicture(m_id);
        const QSize fitted = actualSize(size / scale, mode, state);
        if (entry == nullptr || fitted.isEmpty()) {
            return {};
        }
        const QPixmap pixmap = PaintScaled(*entry, fitted, scale);
        return mode == QIcon::Disabled ? Greyed(pixmap) : pixmap;
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {PictureSize(m_id)}; }
    bool isNull() override { return FindPicture(m_id) == nullptr; }
    QString key() const override { return QStringLiteral("LorvanePicture"); }
    QIconEngine* clone() const override { return new CPictureIconEngine(m_id); }

private:
    unsigned m_id;
};

}  // namespace

QSize PictureSize(unsigned id) {
    const PictureEntry* entry = FindPicture(id);
    return entry ? entry->size : QSize();
}

QPixmap PaintPicture(unsigned id, qreal devicePixelRatio) {
    const PictureEntry* entry = FindPicture(id);
    if (entry == nullptr || !(devicePixelRatio > 0)) {
        return {};
    }
    // Button faces are painted on every repaint of the bidding box; keep them.
    const QString key = QStringLiteral("lorvane-picture-%1@%2").arg(id).arg(devicePixelRatio);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = PaintScaled(*entry, entry->size, devicePixelRatio);
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

QIcon PictureIcon(unsigned id) {
    return HasPicture(id) ? QIcon(new CPictureIconEngine(id)) : QIcon();
}

bool HasPicture(unsigned id) {
    return FindPicture(id) != nullptr;
}

std::vector<unsigned> AllPictureIds() {
    std::vector<unsigned> ids;
    for (const auto& [id, entry] : Pictures()) {
        ids.push_back(id);
    }
    return ids;
}
