// The list of pictures, the framing of the posture photographs, and the
// content of the pictures that are scenes or objects.
#include "catalogue.h"
#include "companion.h"
#include "figure.h"
#include "imageio.h"
#include "poses.h"
#include "scenes.h"

#include <QSet>
#include <QtTest>

using namespace pictures;

namespace {

int countPixels(const QImage &img, const QRect &area, const std::function<bool(QRgb)> &test)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += test(img.pixel(x, y)) ? 1 : 0;
    return n;
}

} // namespace

class PictureCatalogue : public QObject {
    Q_OBJECT

private slots:
    void entriesMatchTheirFileNames()
    {
        QSet<QString> paths;
        for (const Entry &e : catalogue()) {
            QVERIFY2(!paths.contains(e.path), qPrintable("listed twice: " + e.path));
            paths.insert(e.path);
            QVERIFY2(e.path.startsWith("photos/") || e.path.startsWith("pictures/") || e.path.startsWith("icons/"),
                     qPrintable(e.path));
            const QString ext = e.path.section('.', -1);
            switch (e.format) {
            case Format::Jpeg: QCOMPARE(ext, QString("jpg")); break;
            case Format::Icon: QCOMPARE(ext, QString("ico")); QCOMPARE(e.size, QSize(32, 32)); break;
            case Format::Png: QCOMPARE(ext, QString("png")); break;
            default: QCOMPARE(ext, QString("bmp")); break;
            }
            QVERIFY(e.draw);
        }
        // 24 photographs, 36 screen pictures and their double-size variants, the two icons and the
        // desktop icon at seven sizes.
        QCOMPARE(paths.size(), 105);
    }

    void everyPostureIsKnownAndFitsItsPicture()
    {
        // A limb that sticks out of the frame is a posture cut off; a pose name
        // that is not known silently draws a standing figure instead.
        const QStringList known = postureNames();
        int checked = 0;
        for (const Entry &e : catalogue()) {
            if (e.pose.isEmpty())
                continue;
            QVERIFY2(known.contains(e.pose), qPrintable(e.path + ": " + e.pose));
            QVERIFY2(e.pose != "upright", qPrintable(e.path));
            Pose pose = posture(e.pose);
            pose.mirror = e.mirror != pose.mirror;
            const QRectF drawn = postureTransform(e.size, pose, e.setting).mapRect(figureBounds(buildSkeleton(pose)));
            const QRectF frame(0, 0, e.size.width(), e.size.height());
            QVERIFY2(frame.contains(drawn), qPrintable(e.path));
            // And it is not lost in the picture either.
            QVERIFY2(drawn.width() > 0.5 * frame.width() || drawn.height() > 0.5 * frame.height(), qPrintable(e.path));
            ++checked;
        }
        QVERIFY(checked >= 40);
    }

    void renderedSizesAreExact()
    {
        for (const Entry &e : catalogue()) {
            if (e.format == Format::Icon)
                continue;
            // The drawing itself already has the file's size; nothing is scaled on writing.
            if (e.size.width() * e.size.height() > 120000)
                continue; // the large ones are covered by the file tests
            QCOMPARE(e.draw(e.size).size(), e.size);
        }
    }

    void logoHasStarDiscAndOrbits()
    {
        const QImage logo = publisherLogo(QSize(280, 299)).convertToFormat(QImage::Format_RGB32);
        const QPoint c(140, 149);
        QCOMPARE(logo.pixel(c) & 0xffffff, QRgb(0xffffff));               // the white star at the centre
        const QRgb disc = logo.pixel(c + QPoint(0, 32));                   // between the star's points
        QVERIFY(qBlue(disc) > 150 && qRed(disc) < 120);                   // the blue disc
        QCOMPARE(logo.pixel(c + QPoint(0, -68)) & 0xffffff, QRgb(0));      // the black field round it
        // Gold-olive orbits reach out well beyond the field.
        const int gold = countPixels(logo, logo.rect(), [](QRgb p) {
            return qRed(p) > 120 && qGreen(p) > 110 && qBlue(p) < 110 && qRed(p) - qBlue(p) > 60;
        });
        QVERIFY(gold > 1500);
    }

    void bookShowsItsTitle()
    {
        const QImage book = bookCover(QSize(295, 214)).convertToFormat(QImage::Format_RGB32);
        // Gold lettering in the top band of the front cover (the right half).
        const int lettering = countPixels(book, QRect(160, 14, 120, 24), [](QRgb p) {
            return qRed(p) > 180 && qGreen(p) > 150 && qBlue(p) < 160;
        });
        QVERIFY(lettering > 60);
        // The back cover has no title in the same place.
        const int back = countPixels(book, QRect(20, 60, 110, 24), [](QRgb p) {
            return qRed(p) > 180 && qGreen(p) > 150 && qBlue(p) < 160;
        });
        QVERIFY(back < lettering / 4);
    }

    void jettyPhotographCarriesItsCaption()
    {
        const QImage img = jettyHeadstand(QSize(274, 418)).convertToFormat(QImage::Format_RGB32);
        auto light = [](QRgb p) { return qRed(p) > 225 && qGreen(p) > 220 && qBlue(p) > 180; };
        // Two lines of light text near the bottom, on the dark jetty.
        const int first = countPixels(img, QRect(0, 360, 274, 20), light);
        const int second = countPixels(img, QRect(0, 381, 274, 20), light);
        QVERIFY(first > 80);
        QVERIFY(second > 40);
    }

    void companionScreenshotsAreFullWindows()
    {
        const QImage main = companionMainWindow(QSize(637, 477));
        const QImage herbs = companionHerbWindow(QSize(629, 432));
        QCOMPARE(main.size(), QSize(637, 477));
        QCOMPARE(herbs.size(), QSize(629, 432));
        for (const QImage &img : {main, herbs}) {
            // The caption bar runs across the top in navy-to-blue.
            const QRgb left = img.pixel(60, 10), right = img.pixel(img.width() - 80, 10);
            QVERIFY(qBlue(left) > 100 && qRed(left) < 60);
            QVERIFY(qBlue(right) > qBlue(left) - 10);
            // Fields and lists: plenty of white.
            const int white = countPixels(img, img.rect(), [](QRgb p) { return (p & 0xffffff) == 0xffffff; });
            QVERIFY(white > img.width() * img.height() / 8);
        }
        // Building the same window twice gives the same screenshot.
        QCOMPARE(companionHerbWindow(QSize(629, 432)), herbs);
    }

    void cursorArrowIsSymmetricAboutItsTip()
    {
        for (int size : {32, 16}) {
            const QImage img = cursorArrow(size);
            const int tipY = size == 32 ? 16 : 8;
            for (int d = 1; d < size / 2 - 1; ++d)
                for (int x = 0; x < size; ++x)
                    QCOMPARE(qAlpha(img.pixel(x, tipY - d)) > 0, qAlpha(img.pixel(x, tipY + d)) > 0);
        }
    }

    void medianCutEdgeCases()
    {
        // One flat colour: every pixel maps to an entry holding that colour.
        QImage flat(9, 9, QImage::Format_RGB32);
        flat.fill(qRgb(120, 200, 40));
        const IndexedImage one = toMedianCut(flat);
        QCOMPARE(one.palette.size(), 256);
        const QRgb got = one.palette[uchar(one.indices[0])];
        QVERIFY(std::abs(qRed(got) - 120) <= 4 && std::abs(qGreen(got) - 200) <= 4 && std::abs(qBlue(got) - 40) <= 4);
        QCOMPARE(QSet<char>(one.indices.begin(), one.indices.end()).size(), 1);
        // Far more colours than entries: still exactly 256, every index valid.
        QImage noisy(64, 64, QImage::Format_RGB32);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                noisy.setPixel(x, y, qRgb((x * 37 + y * 11) & 255, (x * 5 + y * 53) & 255, (x * y) & 255));
        const IndexedImage many = toMedianCut(noisy);
        QCOMPARE(many.palette.size(), 256);
        QCOMPARE(many.indices.size(), 64 * 64);
        // A one-pixel-wide bitmap pads every row with three bytes.
        QCOMPARE(encodeBmp8(toGreyscale(QImage(1, 5, QImage::Format_RGB32))).size(), 14 + 40 + 1024 + 4 * 5);
        QCOMPARE(encodeBmp24(QImage(1, 5, QImage::Format_RGB32)).size(), 14 + 40 + 4 * 5);
    }

    void photoFinishDarkensCornersOnly()
    {
        QImage a(120, 80, QImage::Format_RGB32);
        a.fill(qRgb(128, 128, 128));
        QImage b = a;
        photoFinish(a, 5);
        photoFinish(b, 5);
        QCOMPARE(a, b); // the grain repeats for the same seed
        QImage c(120, 80, QImage::Format_RGB32);
        c.fill(qRgb(128, 128, 128));
        photoFinish(c, 6);
        QVERIFY(a != c);
        auto mean = [&](QRect r) {
            double sum = 0;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    sum += qGray(a.pixel(x, y));
            return sum / (r.width() * r.height());
        };
        const double centre = mean(QRect(50, 30, 20, 20)), corner = mean(QRect(0, 0, 10, 10));
        QVERIFY(std::abs(centre - 128) < 1.5); // grain only in the middle
        QVERIFY(corner < centre - 15);         // the lens darkens the corners
    }

    void reachCopesWithTargetAtTheRoot()
    {
        const auto [a, b] = reach(QPointF(3, 3), QPointF(3, 3), 10, 9, 1);
        QVERIFY(std::isfinite(a) && std::isfinite(b));
    }
};

QTEST_MAIN(PictureCatalogue)
#include "tst_picture_catalogue.moc"
