// The program's own start-up, ending as soon as the main menu has painted for the first time.

#include "Application.h"
#include "ScreenSlots.h"
#include "menu/frmYoga.h"

#include <QTimer>

namespace {
class FirstPaint : public QObject {
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && vireka::slot<vireka::frmYoga>()
            && watched == vireka::slot<vireka::frmYoga>()->client())
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return false;
    }
};
} // namespace

int main(int argc, char **argv)
{
    vireka::Application app(argc, argv);
    FirstPaint watcher;
    app.installEventFilter(&watcher);
    vireka::OpenScreen<vireka::frmYoga>();
    return app.exec();
}
