#include "Shell.h"

#include "Screen.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMessageBox>
#include <QWidget>

#include <new>

namespace vireka {

namespace {

bool ended = false;
int loadedScreens = 0;
std::function<void()> endAction;
std::function<void(const QString &, const QString &)> messageAction;
std::function<QString()> folderLocator;

void finish()
{
    if (ended)
        return;
    ended = true;
    if (endAction) {
        endAction();
        return;
    }
    for (QWidget *window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}

// Delivers key presses to the screen whose window holds the focus, before its controls see them,
// so that a focused document area or list cannot swallow Escape.
class KeyWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        Screen *screen = Screen::owning(static_cast<QWidget *>(watched));
        if (!screen || ended)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        return screen->keyDown(key->key(), key->modifiers());
    }
};

} // namespace

void EndProgram()
{
    finish();
}

int SetProgramFolder()
{
    try {
        const QString folder = folderLocator ? folderLocator() : QCoreApplication::applicationDirPath();
        if (folder.isEmpty() || !QDir::setCurrent(folder))
            return 76; // path not found; ignored like any other failure
        return 0;
    } catch (const std::bad_alloc &) {
        return OutOfMemory;
    } catch (...) {
        return 5;
    }
}

void ResetPointer(Screen &screen)
{
    if (screen.mousePointer() == PointerCustom)
        screen.setMousePointer(PointerDefault);
}

void ShowMessage(const QString &text)
{
    const QString caption = QString::fromLatin1(ProgramTitle);
    if (messageAction) {
        messageAction(text, caption);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok);
    box.exec();
}

QString shortOnMemoryText()
{
    return QStringLiteral("You are short on Memory.\r\nSettings might need adjusting,or Computer might need more RAM.");
}

void ReportFatalError(const char *what)
{
    if (ended)
        return;
    ShowMessage(QStringLiteral("Run-time error:\n\n%1").arg(QString::fromLocal8Bit(what ? what : "unknown error")));
    finish();
}

namespace shell {

bool programEnded() { return ended; }

void screenLoaded() { ++loadedScreens; }

void screenUnloaded()
{
    if (loadedScreens > 0 && --loadedScreens == 0)
        finish();
}

int loadedScreenCount() { return loadedScreens; }

void setEndAction(std::function<void()> action) { endAction = std::move(action); }

void setMessageAction(std::function<void(const QString &, const QString &)> action)
{
    messageAction = std::move(action);
}

void setProgramFolderLocator(std::function<QString()> locator) { folderLocator = std::move(locator); }

void resetForTests()
{
    ended = false;
    loadedScreens = 0;
}

void installKeyWatcher()
{
    static KeyWatcher *watcher = nullptr;
    if (!watcher) {
        watcher = new KeyWatcher(qApp);
        qApp->installEventFilter(watcher);
    }
}

} // namespace shell
} // namespace vireka
