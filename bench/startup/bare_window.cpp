// The yardstick: a bare Qt window program of the main menu's size, ending at its first paint.
// Given any argument it also draws one line of text, which starts the font system as every program
// that shows text must.

#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {
class Bare : public QWidget {
public:
    bool withText = false;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        if (withText)
            painter.drawText(10, 20, QStringLiteral("VIREKA"));
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
};
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Bare window;
    window.withText = argc > 1;
    window.resize(632, 426);
    window.showMaximized();
    return app.exec();
}
