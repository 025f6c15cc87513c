#include <QImage>
#include <QTest>
#include <algorithm>

#include "gui/images/PictureIds.h"
#include "gui/images/Pictures.h"

namespace {
QImage Image(unsigned id, qreal ratio = 1.0) {
    return PaintPicture(id, ratio).toImage().convertToFormat(QImage::Format_ARGB32);
}

bool IsRed(QRgb p) {
    return qAlpha(p) > 200 && qRed(p) > 150 && qGreen(p) < 80 && qBlue(p) < 80;
}
bool IsGreen(QRgb p) {
    return qAlpha(p) > 200 && qGreen(p) > 120 && qRed(p) < 80;
}
bool IsBlack(QRgb p) {
    return qAlpha(p) > 200 && qRed(p) < 60 && qGreen(p) < 60 && qBlue(p) < 60;
}
// Any colour that reads as ink on a button face.
bool IsStrong(QRgb p) {
    return IsBlack(p) || IsRed(p) || (qBlue(p) > 150 && qRed(p) < 80) ||
           (qGreen(p) > 100 && qRed(p) < 60 && qBlue(p) < 60);
}

// Pixels inside rect (or the whole image) that satisfy test.
template <typename Test>
int Count(const QImage& image, Test test, QRect rect = {}) {
    rect = rect.isNull() ? image.rect() : rect;
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            n += test(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return n;
}

int Opaque(const QImage& image) {
    return Count(image, [](QRgb p) { return qAlpha(p) > 0; });
}

// The label of an 18 x 18 face, clear of its frame.
const QRect kLabelArea(3, 3, 12, 12);
}  // namespace

class TestImages : public QObject {
    Q_OBJECT

private slots:
    // Every face of the navigation buttons and the bidding box has a picture, and every
    // picture is painted afresh at twice the density rather than blown up.
    void EveryPictureIsPaintedForItsDensity() {
        std::vector<unsigned> ids = AllPictureIds();
        for (unsigned id = 189; id <= 361; ++id) {
            QVERIFY2(id == 205 || HasPicture(id), qPrintable(QString::number(id)));
        }
        for (unsigned id : ids) {
            const QImage once = Image(id);
            QCOMPARE(once.size(), PictureSize(id));
            if (id == IDB_VULNERABLE_NONE_PLAIN) {
                QCOMPARE(Opaque(once), 0);  // nothing to show
                continue;
            }
            const QPixmap twice = PaintPicture(id, 2.0);
            QCOMPARE(twice.deviceIndependentSize(), QSizeF(PictureSize(id)));
            QVERIFY2(Opaque(twice.toImage()) > Opaque(once) * 2, qPrintable(QString::number(id)));
        }
        QVERIFY(!HasPicture(205) && PaintPicture(205).isNull() && PictureIcon(205).isNull());
    }

    // Red diamonds and hearts, black clubs and spades, beside the holdings and on the bids;
    // a disabled bid shows no colour.
    void SuitColours_data() {
        QTest::addColumn<int>("strain");
        QTest::addColumn<unsigned>("symbol");
        QTest::addColumn<bool>("red");
        QTest::addRow("clubs") << 0 << IDB_CLUBS << false;
        QTest::addRow("diamonds") << 1 << IDB_DIAMONDS << true;
        QTest::addRow("hearts") << 2 << IDB_HEARTS << true;
        QTest::addRow("spades") << 3 << IDB_SPADES << false;
        QTest::addRow("no trumps") << 4 << 0u << false;
    }
    void SuitColours() {
        QFETCH(int, strain);
        QFETCH(unsigned, symbol);
        QFETCH(bool, red);
        if (symbol != 0) {
            QCOMPARE(Count(Image(symbol), IsRed) > 20, red);
            QCOMPARE(Count(Image(symbol), IsBlack) > 20, !red);
        }
        for (int k = strain; k < kBidCount; k += 5) {
            const ButtonFaces faces = BidFaces(k);
            for (unsigned id : {faces.normal, faces.focused, faces.pressed}) {
                QCOMPARE(Count(Image(id), IsRed, kLabelArea) > 4, red);
            }
            QCOMPARE(Count(Image(faces.disabled), IsRed), 0);
        }
    }

    // A bid's suit symbol fills most of the face's height, at 100 % and at 200 %, so that a
    // club and a spade are told apart at a glance.
    void BidSymbolsAreLargeEnough() {
        for (qreal ratio : {1.0, 2.0}) {
            for (int strain = 0; strain < 4; ++strain) {
                const QImage face = Image(BidFaces(strain).normal, ratio);
                int top = face.height(), bottom = -1;
                for (int y = 0; y < face.height(); ++y) {
                    for (int x = face.width() / 2; x < face.width() - 2 * ratio; ++x) {
                        if (IsBlack(face.pixel(x, y)) || IsRed(face.pixel(x, y))) {
                            top = std::min(top, y);
                            bottom = std::max(bottom, y);
                        }
                    }
                }
                QVERIFY2(bottom - top + 1 >= 8 * ratio,
                         qPrintable(QStringLiteral("strain %1 at %2: %3 pixels high")
                                        .arg(strain)
                                        .arg(ratio)
                                        .arg(bottom - top + 1)));
            }
        }
    }

    // The four faces of every button differ, and the disabled one has no ink in its label.
    void FacesOfEveryButton() {
        std::vector<ButtonFaces> sets = {kFirstDealFaces, kPreviousDealFaces, kNextDealFaces,
                                         kLastDealFaces,  kPassFaces,         kDoubleFaces,
                                         kRedoubleFaces,  kTakeBackFaces};
        for (int k = 0; k < kBidCount; ++k) {
            sets.push_back(BidFaces(k));
        }
        for (const ButtonFaces& faces : sets) {
            const QString name = QString::number(faces.normal);
            const QImage normal = Image(faces.normal), pressed = Image(faces.pressed);
            const QImage focused = Image(faces.focused), disabled = Image(faces.disabled);
            QVERIFY2(normal != pressed && normal != focused && normal != disabled &&
                         pressed != focused && focused != disabled,
                     qPrintable(name));
            QVERIFY2(Count(normal, IsStrong, kLabelArea) > 6, qPrintable(name));
            QVERIFY2(Count(disabled, IsStrong, kLabelArea) == 0, qPrintable(name));
        }
    }

    void VulnerabilityBars_data() {
        QTest::addColumn<unsigned>("id");
        QTest::addColumn<bool>("colour");
        QTest::addColumn<bool>("northSouth");
        QTest::addColumn<bool>("eastWest");
        QTest::addRow("colour none") << 181u << true << false << false;
        QTest::addRow("colour north-south") << 180u << true << true << false;
        QTest::addRow("colour east-west") << 182u << true << false << true;
        QTest::addRow("colour all") << 183u << true << true << true;
        QTest::addRow("plain none") << 365u << false << false << false;
        QTest::addRow("plain north-south") << 366u << false << true << false;
        QTest::addRow("plain east-west") << 364u << false << false << true;
        QTest::addRow("plain all") << 363u << false << true << true;
    }
    // Red bars for the vulnerable side, green for the other, or black and nothing; the
    // corners stay clear so the dialog shows through.
    void VulnerabilityBars() {
        QFETCH(unsigned, id);
        QFETCH(bool, colour);
        QFETCH(bool, northSouth);
        QFETCH(bool, eastWest);
        const QImage image = Image(id);
        const std::pair<bool, std::vector<QPoint>> bars[] = {{northSouth, {{17, 4}, {17, 31}}},
                                                             {eastWest, {{4, 17}, {31, 17}}}};
        for (const auto& [vulnerable, points] : bars) {
            for (QPoint point : points) {
                const QRgb p = image.pixel(point);
                QVERIFY(colour ? (vulnerable ? IsRed(p) : IsGreen(p))
                               : (vulnerable ? IsBlack(p) : qAlpha(p) == 0));
            }
        }
        for (QPoint corner : {QPoint(2, 2), QPoint(32, 2), QPoint(2, 32), QPoint(32, 32)}) {
            QCOMPARE(qAlpha(image.pixel(corner)), 0);
        }
    }

    // An icon is painted for the density asked for, and its disabled form is greyed.
    void Icons() {
        const QIcon icon = PictureIcon(IDB_LOAD_FAILED);
        const QPixmap normal = icon.pixmap(QSize(16, 16), 1.5);
        QCOMPARE(normal.size(), QSize(24, 24));
        QVERIFY(Count(normal.toImage(), IsRed) > 15);
        QCOMPARE(Count(icon.pixmap(QSize(16, 16), 1.5, QIcon::Disabled).toImage(), IsRed), 0);
    }
};

QTEST_MAIN(TestImages)
#include "test_images.moc"
