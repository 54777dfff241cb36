// On a dark desktop theme the screens keep the program's own classic light colours: the theme is
// set on the application before any screen loads, and no screen may show any of its colours.
#include "AllScreens.h"
#include "Application.h"
#include "ImageControl.h"
#include "PictureBoxControl.h"
#include "ScreenTest.h"

#include <QApplication>
#include <QPalette>
#include <QScrollBar>

using namespace vireka;

namespace {

// A dark theme in shades no screen uses, so that a pixel of one of them is the theme showing.
struct ThemeColour {
    QPalette::ColorRole role;
    QColor colour;
};

const ThemeColour darkTheme[] = {
    {QPalette::Window, QColor(31, 33, 37)},     {QPalette::WindowText, QColor(233, 229, 221)},
    {QPalette::Base, QColor(23, 25, 29)},       {QPalette::AlternateBase, QColor(37, 39, 43)},
    {QPalette::Text, QColor(227, 223, 215)},    {QPalette::Button, QColor(45, 47, 51)},
    {QPalette::ButtonText, QColor(239, 235, 227)}, {QPalette::Highlight, QColor(61, 97, 151)},
    {QPalette::Light, QColor(71, 73, 77)},      {QPalette::Midlight, QColor(57, 59, 63)},
    {QPalette::Mid, QColor(41, 43, 47)},        {QPalette::Dark, QColor(19, 21, 25)},
};

QPalette darkPalette()
{
    QPalette palette;
    for (const ThemeColour &entry : darkTheme)
        palette.setColor(entry.role, entry.colour);
    return palette;
}

// The part of the client area that is not photographs or drawings, whose colours are their own.
QRegion designedColours(const Screen &screen)
{
    QRegion region(screen.client()->rect());
    for (QWidget *control : screen.client()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (qobject_cast<ImageControl *>(control) || qobject_cast<PictureBoxControl *>(control))
            region -= control->geometry();
    return region;
}

} // namespace

class Themes : public test::ScreenTestCase {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setPalette(darkPalette()); }

    void systemColoursAreTheClassicOnes_data()
    {
        QTest::addColumn<quint32>("system");
        QTest::addColumn<QColor>("classic");
        QTest::newRow("window background") << quint32(SystemWindowBackground) << QColor(255, 255, 255);
        QTest::newRow("window text") << quint32(SystemWindowText) << QColor(0, 0, 0);
        QTest::newRow("button face") << quint32(SystemButtonFace) << QColor(192, 192, 192);
        QTest::newRow("button text") << quint32(SystemButtonText) << QColor(0, 0, 0);
    }

    void systemColoursAreTheClassicOnes()
    {
        QFETCH(quint32, system);
        QFETCH(QColor, classic);
        QCOMPARE(toQColor(system), classic);
    }

    void noScreenShowsTheDesktopTheme_data() { test::addScreenRows(); }

    void noScreenShowsTheDesktopTheme()
    {
        QFETCH(QString, name);
        const ScreenClass *type = screenClass(name.toStdString());
        QVERIFY(type);
        Screen &screen = type->open();
        const QImage shot = screen.window()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRegion designed = designedColours(screen).translated(screen.client()->mapTo(screen.window(), QPoint()));
        for (const QRect &area : designed)
            for (int y = area.top(); y <= area.bottom() && y < shot.height(); ++y)
                for (int x = area.left(); x <= area.right() && x < shot.width(); ++x)
                    for (const ThemeColour &entry : darkTheme)
                        if (shot.pixel(x, y) == entry.colour.rgb())
                            QFAIL(qPrintable(QStringLiteral("the theme's colour %1 shows at %2, %3")
                                                 .arg(entry.colour.name()).arg(x).arg(y)));
    }

    void scrollBarTroughsAreButtonFaceDottedWithWhite_data() { noScreenShowsTheDesktopTheme_data(); }

    void scrollBarTroughsAreButtonFaceDottedWithWhite()
    {
        // Whatever the screen's own colour behind the control: the trough is never dotted with it.
        QFETCH(QString, name);
        Screen &screen = screenClass(name.toStdString())->open();
        const QSet<QRgb> trough = {qRgb(192, 192, 192), qRgb(255, 255, 255)};
        for (QScrollBar *bar : screen.client()->findChildren<QScrollBar *>()) {
            if (!bar->isVisibleTo(screen.window()) || bar->orientation() != Qt::Vertical)
                continue;
            const QImage shot = bar->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const int x = shot.width() / 2, y = shot.height() - shot.width() - 3; // above the down arrow
            const QSet<QRgb> seen = {shot.pixel(x, y), shot.pixel(x + 1, y), shot.pixel(x, y + 1)};
            QVERIFY2(seen == trough, qPrintable(bar->parentWidget()->parentWidget()->objectName()));
        }
    }

    void textControlsKeepTheirOwnColours_data() { noScreenShowsTheDesktopTheme_data(); }

    void textControlsKeepTheirOwnColours()
    {
        // What each text control draws its text and ground with, also where a table leaves them to
        // the system colours, which must be the classic ones.
        QFETCH(QString, name);
        Screen &screen = screenClass(name.toStdString())->open();
        for (QWidget *control : screen.client()->findChildren<QWidget *>()) {
            for (const ThemeColour &entry : darkTheme)
                for (auto role : {QPalette::Base, QPalette::Text, QPalette::Window, QPalette::WindowText,
                                  QPalette::Button, QPalette::ButtonText})
                    QVERIFY2(control->palette().color(role) != entry.colour,
                             qPrintable(control->objectName() + " takes a colour from the theme"));
        }
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    Themes test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_themes.moc"
