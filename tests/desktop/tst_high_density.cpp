// At a scale of 2 (run with QT_SCALE_FACTOR=2) the pictures built into the screens are drawn from
// their double-size variants, in the places and sizes of the design.
#include "AllScreens.h"
#include "Application.h"
#include "ImageControl.h"
#include "PictureBoxControl.h"
#include "ScreenTest.h"
#include "Units.h"

#include <QScreen>

using namespace vireka;

namespace {

// Mean difference per channel between two images of one size.
double meanDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    qint64 total = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return double(total) / (3.0 * x.width() * x.height());
}

} // namespace

class HighDensity : public test::ScreenTestCase {
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }

    void everyBuiltInPictureIsTheDenseVariant_data() { test::addScreenRows(); }

    void everyBuiltInPictureIsTheDenseVariant()
    {
        QFETCH(QString, name);
        Screen &screen = screenClass(name.toStdString())->open();
        const QSize design(twipsToPixels(screen.spec().clientWidth), twipsToPixels(screen.spec().clientHeight));
        QCOMPARE(screen.client()->size(), design);
        for (auto *image : screen.client()->findChildren<ImageControl *>()) {
            if (image->picture().isNull())
                continue; // a picture file the screen shows later
            QVERIFY2(image->picture().devicePixelRatio() == 2, qPrintable(image->objectName()));
            if (!image->stretches())
                QCOMPARE(image->size(), image->picture().deviceIndependentSize().toSize());
        }
        for (auto *box : screen.client()->findChildren<PictureBoxControl *>())
            if (!box->picture().isNull())
                QVERIFY2(box->picture().devicePixelRatio() == 2, qPrintable(box->objectName()));
    }

    void aPictureIsDrawnFromItsDenseVariant()
    {
        // The miniature of the instructions screen is stretched into its rectangle: at scale 2 the
        // screen shows the double-size drawing brought to the rectangle's device pixels, not the
        // base picture enlarged.
        Screen &screen = screenClass("frmYogaInstructions")->open();
        auto &image = screen.control<ImageControl>("Image1");
        const QImage shown = image.grab().toImage();
        const QSize device = image.size() * 2;
        QCOMPARE(shown.size(), device);
        const QImage dense(QStringLiteral(":/pictures/frmYogaInstructions/Image1@2x.jpg"));
        const QImage base(QStringLiteral(":/pictures/frmYogaInstructions/Image1.jpg"));
        QCOMPARE(dense.size(), base.size() * 2);
        const double fromDense = meanDifference(shown, dense.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        const double fromBase = meanDifference(shown, base.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        QVERIFY2(fromDense < 2 && fromDense < fromBase / 2,
                 qPrintable(QStringLiteral("from the variant %1, from the base %2").arg(fromDense).arg(fromBase)));
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    HighDensity test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_high_density.moc"
