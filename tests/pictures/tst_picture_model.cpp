// The file writers and the figure model of the picture tool.
#include "figure.h"
#include "imageio.h"
#include "poses.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QtTest>

using namespace pictures;

namespace {

const Body kBody;

double distanceToSegment(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const double t = std::clamp(QPointF::dotProduct(p - a, ab) / QPointF::dotProduct(ab, ab), 0.0, 1.0);
    const QPointF d = p - (a + ab * t);
    return std::hypot(d.x(), d.y());
}

// Height above the figure's lowest drawn point (y grows downwards).
double above(const Skeleton &s, QPointF p)
{
    return lowestY(s) - p.y();
}

QByteArray describe(const Skeleton &s)
{
    QString out = QString("lowest %1; crown %2 head %3 pelvis %4").arg(lowestY(s)).arg(s.crown.y()).arg(s.headCentre.y()).arg(s.pelvis.y());
    for (int i = 0; i < 2; ++i)
        out += QString("; [%1] elbow %2 wrist %3 tip %4 knee %5 ankle %6 heel %7 toe %8")
                   .arg(i).arg(s.elbow[i].y()).arg(s.wrist[i].y()).arg(s.fingertip[i].y()).arg(s.knee[i].y())
                   .arg(s.ankle[i].y()).arg(s.heel[i].y()).arg(s.toe[i].y());
    return out.toUtf8();
}

} // namespace

class PictureModel : public QObject {
    Q_OBJECT

private slots:
    // --- writers -----------------------------------------------------------

    void bmp8RoundTripsWithRowPadding()
    {
        // Width 5 needs 3 bytes of padding per row; height 3 checks row order.
        IndexedImage img;
        img.width = 5;
        img.height = 3;
        for (int i = 0; i < 256; ++i)
            img.palette.append(qRgb(i, 255 - i, (i * 7) & 255));
        for (int i = 0; i < 15; ++i)
            img.indices.append(char(i * 17));
        const QByteArray bytes = encodeBmp8(img);
        QCOMPARE(bytes.size(), 14 + 40 + 1024 + 8 * 3);
        const QImage decoded = QImage::fromData(bytes, "BMP");
        QCOMPARE(decoded.format(), QImage::Format_Indexed8);
        QCOMPARE(decoded.size(), QSize(5, 3));
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x)
                QCOMPARE(decoded.pixel(x, y), img.palette[uchar(img.indices[y * 5 + x])]);
    }

    void bmp24RoundTripsExactly()
    {
        QImage src(7, 4, QImage::Format_RGB32);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 7; ++x)
                src.setPixel(x, y, qRgb(x * 36, y * 80, (x * y * 13) & 255));
        const QByteArray bytes = encodeBmp24(src);
        QCOMPARE(bytes.size(), 14 + 40 + 24 * 4); // 21 bytes a row, padded to 24
        const QImage decoded = QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(decoded, src);
    }

    void greyscaleUsesLuminance()
    {
        QImage src(3, 1, QImage::Format_RGB32);
        src.setPixel(0, 0, qRgb(255, 0, 0));
        src.setPixel(1, 0, qRgb(0, 255, 0));
        src.setPixel(2, 0, qRgb(255, 255, 255));
        const IndexedImage grey = toGreyscale(src);
        // Green reads far lighter than red in a black-and-white photograph.
        QCOMPARE(int(uchar(grey.indices[0])), 76);
        QCOMPARE(int(uchar(grey.indices[1])), 150);
        QCOMPARE(int(uchar(grey.indices[2])), 255);
        QCOMPARE(grey.palette[128], qRgb(128, 128, 128));
    }

    void medianCutKeepsFewColoursAndIsStable()
    {
        // A picture with four flat colours keeps them (to within the 5-bit cells).
        QImage src(40, 40, QImage::Format_RGB32);
        const QRgb colours[] = {qRgb(200, 30, 30), qRgb(20, 160, 40), qRgb(30, 40, 200), qRgb(250, 250, 250)};
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x)
                src.setPixel(x, y, colours[(x / 20) + 2 * (y / 20)]);
        const IndexedImage a = toMedianCut(src);
        QCOMPARE(a.palette.size(), 256);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x) {
                const QRgb got = a.palette[uchar(a.indices[y * 40 + x])];
                const QRgb want = src.pixel(x, y);
                QVERIFY(std::abs(qRed(got) - qRed(want)) <= 4 && std::abs(qGreen(got) - qGreen(want)) <= 4
                        && std::abs(qBlue(got) - qBlue(want)) <= 4);
            }
        // A smooth gradient needs many entries and must come out the same twice.
        QImage ramp(256, 8, QImage::Format_RGB32);
        for (int x = 0; x < 256; ++x)
            for (int y = 0; y < 8; ++y)
                ramp.setPixel(x, y, qRgb(x, 255 - x, (x * 3) & 255));
        const IndexedImage r1 = toMedianCut(ramp), r2 = toMedianCut(ramp);
        QCOMPARE(r1.indices, r2.indices);
        QCOMPARE(r1.palette, r2.palette);
        QSet<char> used(r1.indices.begin(), r1.indices.end());
        QVERIFY(used.size() > 40);
    }

    void iconHoldsBothSizesWithMask()
    {
        QImage big(32, 32, QImage::Format_ARGB32), small(16, 16, QImage::Format_ARGB32);
        big.fill(Qt::transparent);
        small.fill(Qt::transparent);
        big.setPixelColor(3, 5, QColor(250, 5, 5));      // nearest: pure red
        big.setPixelColor(31, 31, QColor(0, 0, 130));    // nearest: navy
        small.setPixelColor(0, 15, QColor(255, 255, 0));
        small.setPixelColor(8, 8, QColor(255, 255, 255, 100)); // mostly transparent: masked
        const QByteArray bytes = encodeIco4({big, small});
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "ico");
        QCOMPARE(reader.imageCount(), 2);
        const QImage a = reader.read().convertToFormat(QImage::Format_ARGB32);
        QVERIFY(reader.jumpToNextImage());
        const QImage b = reader.read().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(a.size(), QSize(32, 32));
        QCOMPARE(b.size(), QSize(16, 16));
        QCOMPARE(a.pixel(3, 5), qRgba(255, 0, 0, 255));
        QCOMPARE(a.pixel(31, 31), qRgba(0, 0, 128, 255));
        QCOMPARE(qAlpha(a.pixel(4, 5)), 0);
        QCOMPARE(b.pixel(0, 15), qRgba(255, 255, 0, 255));
        QCOMPARE(qAlpha(b.pixel(8, 8)), 0);
    }

    // --- figure model --------------------------------------------------------

    void reachLandsOnTargetOrPointsAtIt()
    {
        const QPointF root(0, 0), target(10, 12);
        for (int bend : {1, -1}) {
            const auto [upper, lower] = reach(root, target, 10, 9, bend);
            const QPointF end = root + direction(upper) * 10 + direction(lower) * 9;
            QVERIFY(std::hypot(end.x() - target.x(), end.y() - target.y()) < 1e-6);
        }
        // The two solutions bend to opposite sides.
        const auto a = reach(root, target, 10, 9, 1), b = reach(root, target, 10, 9, -1);
        QVERIFY(std::abs(a.first - b.first) > 10);
        // Out of reach: the whole limb points straight at the target.
        const auto far = reach(root, QPointF(0, 40), 10, 9, 1);
        QCOMPARE(far.first, 180.0);
        QCOMPARE(far.second, 180.0);
    }

    void placedFigureStandsOnTheFloorInsideTheBox()
    {
        for (const QString &name : postureNames()) {
            const Pose pose = posture(name);
            const QRectF box(10, 20, 200, 150);
            const QTransform t = placeFigure(pose, box, 170, 110);
            const QRectF drawn = t.mapRect(figureBounds(buildSkeleton(pose)));
            QVERIFY2(std::abs(drawn.bottom() - 170) < 1e-6, qPrintable(name));
            QVERIFY2(drawn.width() <= box.width() + 1e-6 && drawn.height() <= box.height() + 1e-6, qPrintable(name));
            QVERIFY2(std::abs(drawn.center().x() - 110) < 1e-6, qPrintable(name));
        }
    }

    void headstandRestsOnCrownAndForearms()
    {
        for (const QString &name : {QStringLiteral("sirsasana"), QStringLiteral("urdhvadandasana")}) {
            const Skeleton s = buildSkeleton(posture(name));
            QVERIFY2(above(s, s.crown) < 2.0, describe(s).constData()); // the crown is on the floor
            for (int i = 0; i < 2; ++i) {
                QVERIFY2(above(s, s.elbow[i]) < kBody.elbowR + 1.0, "elbows on the floor");
                QVERIFY2(above(s, s.wrist[i]) < kBody.wristR + 2.0, "forearms flat on the floor");
                QVERIFY2(s.ankle[i].y() < s.pelvis.y(), "feet above the hips");
            }
            QVERIFY(s.pelvis.y() < s.neckBase.y());
        }
        // Full headstand: legs straight up, feet at the top of the picture.
        const Skeleton s = buildSkeleton(posture("sirsasana"));
        QVERIFY(above(s, s.toe[0]) > 80);
        // Low headstand: legs level with the floor, to the front.
        const Skeleton low = buildSkeleton(posture("urdhvadandasana"));
        QVERIFY(std::abs(low.ankle[0].y() - low.pelvis.y()) < 3);
    }

    void ploughHasFeetOnTheFloorBeyondTheHead()
    {
        for (const QString &name : {QStringLiteral("halasana"), QStringLiteral("halasana2")}) {
            const Skeleton s = buildSkeleton(posture(name));
            QVERIFY2(above(s, s.toe[0]) < 2.0, describe(s).constData()); // toes on the floor
            QVERIFY2(above(s, s.pelvis) > 25, "hips high above the shoulders");
            // Beyond the head: further from the shoulders than the crown, same side.
            const double head = s.crown.x() - s.shoulder[0].x();
            const double toes = s.toe[0].x() - s.shoulder[0].x();
            QVERIFY(head * toes > 0);
            QVERIFY(std::abs(toes) > std::abs(head) + 5);
        }
        // Ear pressure: the knees come down beside the head.
        const Skeleton k = buildSkeleton(posture("karnapidasana"));
        QVERIFY2(above(k, k.knee[1]) < kBody.kneeR + 1.0, describe(k).constData());
        QVERIFY(std::abs(k.knee[1].x() - k.headCentre.x()) < 2 * kBody.headRadius);
    }

    void lotusFeetRestOnTheOppositeThighs()
    {
        for (const QString &name : {QStringLiteral("padmasana"), QStringLiteral("padmasirsasana")}) {
            const Pose pose = posture(name);
            const Skeleton s = buildSkeleton(pose);
            for (int i = 0; i < 2; ++i) {
                const int o = 1 - i;
                const double onOther = distanceToSegment(s.ankle[i], s.hip[o], s.knee[o]);
                const double onOwn = distanceToSegment(s.ankle[i], s.hip[i], s.knee[i]);
                QVERIFY2(onOther < kBody.thighR + 3, qPrintable(name + ": foot on the opposite thigh"));
                QVERIFY2(onOwn > onOther, qPrintable(name));
                // The shins cross: each foot is on the other side of the body's midline.
                const double mid = s.pelvis.x();
                QVERIFY((s.ankle[i].x() - mid) * (s.knee[i].x() - mid) < 0);
            }
        }
        // Seated lotus: knees down near the floor, wide apart.
        const Skeleton s = buildSkeleton(posture("padmasana"));
        QVERIFY(std::abs(s.knee[0].x() - s.knee[1].x()) > 40);
        QVERIFY(above(s, s.knee[0]) < 6);
    }

    void shoulderstandIsUpright()
    {
        const Skeleton s = buildSkeleton(posture("sarvangasana"));
        QVERIFY(s.ankle[0].y() < s.knee[0].y());
        QVERIFY(s.knee[0].y() < s.pelvis.y());
        QVERIFY(s.pelvis.y() < s.neckBase.y());
        QVERIFY(std::abs(s.ankle[0].x() - s.pelvis.x()) < 4); // vertical, not a plough
        QVERIFY(above(s, s.headCentre) < kBody.headRadius + 2);
    }

    void balancesRestOnTheRightParts()
    {
        // Downward dog: hands and heels on the floor, hips the highest point.
        const Skeleton dog = buildSkeleton(posture("downwarddog"));
        QVERIFY(std::abs(dog.fingertip[0].y() - dog.heel[0].y()) < 2.5);
        for (QPointF p : {dog.neckBase, dog.headCentre, dog.knee[0], dog.ankle[0], dog.wrist[0]})
            QVERIFY(p.y() > dog.pelvis.y());
        // Crow: only the hands touch; the feet are lifted well clear.
        const Skeleton crow = buildSkeleton(posture("bakasana"));
        QVERIFY(above(crow, crow.fingertip[0]) < 2.5);
        QVERIFY(above(crow, crow.toe[0]) > 15);
        QVERIFY(above(crow, crow.knee[0]) > 15);
        // Low lunge: the front foot and the back knee on the floor, torso upright.
        const Skeleton lunge = buildSkeleton(posture("lowlunge"));
        QVERIFY(above(lunge, lunge.heel[1]) < 3);
        QVERIFY2(above(lunge, lunge.knee[0]) < kBody.kneeR + 1, describe(lunge).constData());
        QVERIFY(lunge.neckBase.y() < lunge.pelvis.y() - 25);
        // Dancer: one foot on the floor, the other held up behind, above the hips.
        const Skeleton dancer = buildSkeleton(posture("natarajasana"));
        QVERIFY(above(dancer, dancer.heel[1]) < 3);
        QVERIFY(dancer.ankle[0].y() < dancer.pelvis.y());
        QVERIFY(distanceToSegment(dancer.ankle[0], dancer.wrist[0], dancer.fingertip[0]) < 4);
    }

    void drawingIsRepeatable()
    {
        auto draw = [](const QString &name) {
            QImage img(120, 120, QImage::Format_RGB32);
            img.fill(Qt::white);
            QPainter p(&img);
            const Pose pose = posture(name);
            p.setTransform(placeFigure(pose, QRectF(0, 0, 120, 110), 115, 60));
            drawFigure(p, pose, Look{});
            return img;
        };
        for (const QString &name : {QStringLiteral("trikona"), QStringLiteral("nauli")}) {
            const QImage a = draw(name);
            QCOMPARE(a, draw(name));
            int inked = 0;
            for (int y = 0; y < a.height(); ++y)
                for (int x = 0; x < a.width(); ++x)
                    inked += a.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
            QVERIFY2(inked > 500, "a figure was drawn");
        }
    }
};

QTEST_MAIN(PictureModel)
#include "tst_picture_model.moc"
