// The yardstick: a bare Qt window program of the main menu's size, ending at its first paint.

#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {
class Bare : public QWidget {
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter(this).fillRect(rect(), Qt::black);
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
};
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Bare window;
    window.resize(632, 426);
    window.showMaximized();
    return app.exec();
}
