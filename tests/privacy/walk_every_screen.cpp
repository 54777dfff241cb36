// Goes through every screen of the program as a user could: opens it from its slot, then clicks
// every control that answers a click, chooses every entry of every list, uses every menu command and
// presses Enter and Escape, reopening the screen whenever one of them closed it. Run under a tracer,
// it shows what the program touches outside itself; it writes nothing of its own.
//
//   privacy_walk   exits 0 when every screen opened, 1 when one failed

#include "Application.h"
#include "AllScreens.h"
#include "LabelControl.h"
#include "ListBoxControl.h"
#include "Screen.h"
#include "ScreenSlots.h"
#include "Shell.h"

#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <exception>

using namespace vireka;

namespace {

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// What a user can do on the loaded screen, by control name: each is tried on a fresh screen.
QStringList clickable(const Screen &screen)
{
    QStringList names;
    for (auto *label : screen.window()->findChildren<LabelControl *>())
        if (label->hasClickHandler())
            names << label->objectName();
    for (auto *button : screen.window()->findChildren<QPushButton *>())
        names << button->objectName();
    if (screen.menuBar())
        for (QAction *command : screen.menuBar()->actions())
            names << command->objectName();
    names.removeAll(QString());
    return names;
}

Screen &loaded(const ScreenClass &type)
{
    Screen *screen = type.instance();
    if (!screen || !screen->isLoaded()) {
        shell::resetForTests(); // a control that ended the program: start again, as a user would
        return type.open();
    }
    return *screen;
}

int used = 0;

void use(Screen &screen, const QString &name)
{
    QObject &control = screen.control<QObject>(name.toLatin1().constData());
    ++used;
    if (auto *label = qobject_cast<LabelControl *>(&control))
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(2, 2));
    else if (auto *button = qobject_cast<QPushButton *>(&control))
        QTest::mouseClick(button, Qt::LeftButton);
    else if (auto *command = qobject_cast<QAction *>(&control))
        command->trigger();
}

void walk(const ScreenClass &type)
{
    Screen &first = type.open();
    settle();
    const QStringList names = clickable(first);
    for (const QString &name : names) {
        use(loaded(type), name);
        settle();
    }
    for (auto *list : loaded(type).window()->findChildren<ListBoxControl *>()) {
        for (int row = 0; row < list->count() && type.instance()->isLoaded(); ++row) {
            list->setCurrentRow(row);
            ++used;
            settle();
        }
    }
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        QTest::keyClick(loaded(type).window(), key);
        settle();
    }
    emptyAllSlots();
    settle();
    shell::resetForTests();
}

} // namespace

int main(int argc, char **argv)
{
    Application app(argc, argv);
    const QString programFolder = QStringLiteral(VIREKA_PROGRAM_FOLDER);
    shell::setProgramFolderLocator([programFolder] { return programFolder; });
    shell::setEndAction([] {});
    shell::setMessageAction([](const QString &, const QString &) {});
    try {
        for (const ScreenClass &type : allScreens())
            walk(type);
    } catch (const std::exception &failure) {
        std::fprintf(stderr, "the walk stopped: %s\n", failure.what());
        return 1;
    }
    std::printf("walked %zu screens, %d controls and list entries used\n", allScreens().size(), used);
    return 0;
}
