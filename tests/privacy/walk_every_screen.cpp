// Goes through every screen of the program as a user could: opens it from its slot, then clicks
// every control that answers a click, chooses every entry of every list, uses every menu command and
// presses Enter and Escape, finds and zooms in every document area and searches every
// document, reopening the screen whenever one of them closed it. Run under a tracer,
// it shows what the program touches outside itself; it writes nothing of its own.
//
//   privacy_walk   exits 0 when every screen opened, 1 when one failed

#include "Application.h"
#include "FindBar.h"
#include "ListBoxControl.h"
#include "ReadingAids.h"
#include "ScreenTest.h"
#include "SearchWindow.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QTreeWidget>

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

int used = 0;

Screen &loaded(const ScreenClass &type)
{
    Screen *screen = type.instance();
    if (!screen || !screen->isLoaded()) {
        shell::resetForTests(); // a control that ended the program: start again, as a user would
        return type.open();
    }
    return *screen;
}

// Finds a word and zooms in every document area of the screen, with the keys a reader uses.
void useReadingAids(const ScreenClass &type)
{
    for (auto *area : loaded(type).window()->findChildren<DocumentArea *>()) {
        QTest::keyClick(area, Qt::Key_F, Qt::ControlModifier);
        FindBar &bar = ReadingAids::of(*area).findBar();
        QTest::keyClicks(&bar.field(), "yoga");
        QTest::keyClick(&bar.field(), Qt::Key_F3);
        QTest::keyClick(area, Qt::Key_Plus, Qt::ControlModifier);
        QTest::keyClick(area, Qt::Key_0, Qt::ControlModifier);
        QTest::keyClick(&bar.field(), Qt::Key_Escape);
        used += 5;
        settle();
    }
}

// Searches every document and opens each hit, as a reader of the search window would.
void searchEveryDocument()
{
    SearchWindow &window = SearchWindow::open();
    QTest::keyClicks(&window.field(), "yoga");
    QTest::keyClick(&window.field(), Qt::Key_Return);
    for (int row = 0; row < window.hits().topLevelItemCount(); ++row) {
        window.openHit(row);
        ++used;
        settle();
    }
    window.close();
    emptyAllSlots();
    settle();
    shell::resetForTests();
}

void walk(const ScreenClass &type)
{
    Screen &first = type.open();
    settle();
    const QStringList names = clickable(first);
    for (const QString &name : names) {
        if (test::click(loaded(type), name.toLatin1().constData()))
            ++used;
        settle();
    }
    QStringList lists;
    for (auto *list : loaded(type).window()->findChildren<ListBoxControl *>())
        lists << list->objectName();
    for (const QString &name : lists) {
        // A choice may close the screen: every entry is chosen on the screen as it is then.
        const int entries = loaded(type).control<ListBoxControl>(name.toLatin1().constData()).count();
        for (int row = 0; row < entries; ++row) {
            loaded(type).control<ListBoxControl>(name.toLatin1().constData()).setCurrentRow(row);
            ++used;
            settle();
        }
    }
    useReadingAids(type);
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
        searchEveryDocument();
    } catch (const std::exception &failure) {
        std::fprintf(stderr, "the walk stopped: %s\n", failure.what());
        return 1;
    }
    std::printf("walked %zu screens, %d controls and list entries used\n", allScreens().size(), used);
    return 0;
}
