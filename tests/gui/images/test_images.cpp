#include <QImage>
#include <QTest>

#include "images/PictureIds.h"
#include "images/Pictures.h"

Q_DECLARE_METATYPE(ButtonFaces)

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

// Pixels inside rect (or the whole image) that satisfy test.
template <typename Test>
int Count(const QImage& image, Test test, QRect rect = {}) {
    if (rect.isNull()) {
        rect = image.rect();
    }
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

struct FaceSet {
    const char* name;
    ButtonFaces ids;
};

std::vector<FaceSet> AllFaceSets() {
    static const char* const bidNames[] = {"C", "D", "H", "S", "N"};
    static std::vector<std::string> names;
    std::vector<FaceSet> sets = {{"first", kFirstDealFaces},   {"previous", kPreviousDealFaces},
                                 {"next", kNextDealFaces},     {"last", kLastDealFaces},
                                 {"pass", kPassFaces},         {"double", kDoubleFaces},
                                 {"redouble", kRedoubleFaces}, {"take back", kTakeBackFaces}};
    names.reserve(kBidCount);
    for (int k = 0; k < kBidCount; ++k) {
        names.push_back(std::to_string(k / 5 + 1) + bidNames[k % 5]);
        sets.push_back({names.back().c_str(), BidFaces(k)});
    }
    return sets;
}

}  // namespace

class TestImages : public QObject {
    Q_OBJECT

private slots:
    void EveryPictureHasItsSize_data() {
        QTest::addColumn<unsigned>("id");
        QTest::addColumn<QSize>("size");
        for (unsigned id : {IDB_DESKTOP, IDB_DEALS, IDB_LOAD_FAILED}) {
            QTest::addRow("tree %u", id) << id << QSize(16, 16);
        }
        for (unsigned id :
             {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW,
              ID_INSERT_BIDDING_SESSION, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_APP_ABOUT}) {
            QTest::addRow("toolbar %u", id) << id << QSize(16, 16);
        }
        for (unsigned id = 176; id <= 179; ++id) {
            QTest::addRow("suit %u", id) << id << QSize(17, 17);
        }
        for (unsigned id : {180u, 181u, 182u, 183u, 363u, 364u, 366u}) {
            QTest::addRow("vulnerability %u", id) << id << QSize(35, 35);
        }
        // Every face from 189 to 361, counted from the ranges rather than the tables, so a
        // face that a table forgets is caught here.
        for (unsigned id = 189; id <= 204; ++id) {
            QTest::addRow("navigation %u", id) << id << QSize(18, 18);
        }
        for (unsigned id = 206; id <= 361; ++id) {
            QTest::addRow("bidding box %u", id) << id << QSize(18, 18);
        }
    }
    void EveryPictureHasItsSize() {
        QFETCH(unsigned, id);
        QFETCH(QSize, size);
        QCOMPARE(PictureSize(id), size);
        const QImage once = Image(id);
        QCOMPARE(once.size(), size);
        QVERIFY2(Opaque(once) > 0, "nothing painted");
        // Painted afresh at twice the density, not blown up: the same picture, more pixels.
        const QPixmap twice = PaintPicture(id, 2.0);
        QCOMPARE(twice.size(), size * 2);
        QCOMPARE(twice.deviceIndependentSize(), QSizeF(size));
        QVERIFY(Opaque(twice.toImage()) > Opaque(once) * 2);
    }

    void PlainNoneIsAnEmptySquare() {
        QCOMPARE(PictureSize(IDB_VULNERABLE_NONE_PLAIN), QSize(35, 35));
        QCOMPARE(Opaque(Image(IDB_VULNERABLE_NONE_PLAIN)), 0);
    }

    void UnknownIdsHaveNoPicture_data() {
        QTest::addColumn<unsigned>("id");
        for (unsigned id : {0u, 184u, 205u, 362u + 100u, 57602u}) {
            QTest::addRow("%u", id) << id;
        }
    }
    void UnknownIdsHaveNoPicture() {
        QFETCH(unsigned, id);
        QVERIFY(!HasPicture(id));
        QVERIFY(PictureSize(id).isEmpty());
        QVERIFY(PaintPicture(id).isNull());
        QVERIFY(PictureIcon(id).isNull());
    }

    void SuitColours_data() {
        QTest::addColumn<unsigned>("id");
        QTest::addColumn<bool>("red");
        QTest::addRow("spade") << IDB_SPADES << false;
        QTest::addRow("diamond") << IDB_DIAMONDS << true;
        QTest::addRow("heart") << IDB_HEARTS << true;
        QTest::addRow("club") << IDB_CLUBS << false;
    }
    void SuitColours() {
        QFETCH(unsigned, id);
        QFETCH(bool, red);
        const QImage image = Image(id);
        QCOMPARE(Count(image, IsRed) > 20, red);
        QCOMPARE(Count(image, IsBlack) > 20, !red);
    }

    // Red diamonds and hearts, black clubs and spades; the disabled face shows no colour.
    void BidFacesShowTheirSuitColour_data() {
        QTest::addColumn<int>("k");
        for (int k = 0; k < kBidCount; ++k) {
            QTest::addRow("bid %d", k) << k;
        }
    }
    void BidFacesShowTheirSuitColour() {
        QFETCH(int, k);
        const bool red = k % 5 == 1 || k % 5 == 2;
        const ButtonFaces faces = BidFaces(k);
        for (unsigned id : {faces.normal, faces.focused, faces.pressed}) {
            QCOMPARE(Count(Image(id), IsRed, kLabelArea) > 4, red);
        }
        QCOMPARE(Count(Image(faces.disabled), IsRed), 0);
    }

    // The four faces of every button: distinct, the disabled one without any black in its
    // label, the focused and pressed ones inside a black border.
    void FacesOfEveryButton_data() {
        QTest::addColumn<ButtonFaces>("faces");
        for (const FaceSet& set : AllFaceSets()) {
            QTest::addRow("%s", set.name) << set.ids;
        }
    }
    void FacesOfEveryButton() {
        QFETCH(ButtonFaces, faces);
        const QImage normal = Image(faces.normal), pressed = Image(faces.pressed);
        const QImage focused = Image(faces.focused), disabled = Image(faces.disabled);
        QVERIFY(normal != pressed && normal != focused && normal != disabled);
        QVERIFY(pressed != focused && focused != disabled);

        const auto strong = [](QRgb p) {
            return IsBlack(p) || IsRed(p) || (qBlue(p) > 150 && qRed(p) < 80) ||
                   (qGreen(p) > 100 && qRed(p) < 60 && qBlue(p) < 60);
        };
        QVERIFY(Count(normal, strong, kLabelArea) > 6);
        QCOMPARE(Count(disabled, strong, kLabelArea), 0);

        QVERIFY(IsBlack(focused.pixel(0, 0)) && IsBlack(focused.pixel(17, 9)));
        QVERIFY(IsBlack(pressed.pixel(9, 0)));
        QVERIFY(!IsBlack(normal.pixel(0, 0)) && !IsBlack(normal.pixel(9, 0)));
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
    void VulnerabilityBars() {
        QFETCH(unsigned, id);
        QFETCH(bool, colour);
        QFETCH(bool, northSouth);
        QFETCH(bool, eastWest);
        const QImage image = Image(id);
        // A point on each arm of each bar, away from where they cross.
        const std::pair<bool, std::vector<QPoint>> bars[] = {{northSouth, {{17, 4}, {17, 31}}},
                                                             {eastWest, {{4, 17}, {31, 17}}}};
        for (const auto& [vulnerable, points] : bars) {
            for (QPoint point : points) {
                const QRgb p = image.pixel(point);
                if (colour) {
                    QVERIFY2(vulnerable ? IsRed(p) : IsGreen(p),
                             qPrintable(QString::number(p, 16)));
                } else {
                    QVERIFY(vulnerable ? IsBlack(p) : qAlpha(p) == 0);
                }
            }
        }
        // The corners stay clear, so the dialog shows through.
        for (QPoint corner : {QPoint(2, 2), QPoint(32, 2), QPoint(2, 32), QPoint(32, 32)}) {
            QCOMPARE(qAlpha(image.pixel(corner)), 0);
        }
    }

    void TreePictures() {
        QVERIFY(Count(Image(IDB_DESKTOP), IsRed) == 0);
        QVERIFY(Count(Image(IDB_LOAD_FAILED), IsRed) > 10);  // crossed out in red
        const QImage deals = Image(IDB_DEALS);
        // Spade and heart above, diamond and club below.
        QVERIFY(Count(deals, IsBlack, QRect(2, 2, 5, 5)) > 3);
        QVERIFY(Count(deals, IsRed, QRect(9, 2, 5, 5)) > 3);
        QVERIFY(Count(deals, IsRed, QRect(2, 9, 5, 5)) > 3);
        QVERIFY(Count(deals, IsBlack, QRect(9, 9, 5, 5)) > 3);
    }

    // Icons are painted for the density asked for, and their disabled form is greyed.
    void IconsAtEveryScale_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::addRow("1") << 1.0;
        QTest::addRow("1.5") << 1.5;
        QTest::addRow("2") << 2.0;
        QTest::addRow("3") << 3.0;
    }
    void IconsAtEveryScale() {
        QFETCH(qreal, ratio);
        const QIcon icon = PictureIcon(IDB_LOAD_FAILED);
        const QPixmap normal = icon.pixmap(QSize(16, 16), ratio);
        QCOMPARE(normal.size(), QSize(qCeil(16 * ratio), qCeil(16 * ratio)));
        QVERIFY(Count(normal.toImage(), IsRed) > 10 * ratio);
        const QPixmap disabled = icon.pixmap(QSize(16, 16), ratio, QIcon::Disabled);
        QCOMPARE(disabled.size(), normal.size());
        QCOMPARE(Count(disabled.toImage(), IsRed), 0);
    }
};

QTEST_MAIN(TestImages)
#include "test_images.moc"
