#include "Shell.h"

#include "DocumentArea.h"
#include "LinkRing.h"
#include "ReadingAids.h"
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

bool deliverKeyPress(QObject *receiver, const QKeyEvent &press)
{
    if (ended || !receiver->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(receiver);
    Screen *screen = Screen::owning(widget);
    if (!screen)
        return false;
    // The reading aids come first: Escape in the find field closes only the find bar.
    if (DocumentArea *area = ReadingAids::areaHolding(widget))
        if (ReadingAids::of(*area).keyPress(widget, press))
            return true;
    if (press.key() == Qt::Key_F && press.modifiers() == (Qt::ControlModifier | Qt::ShiftModifier)) {
        ReadingAids::searchAllDocuments();
        return true;
    }
    if (LinkRing::keyPress(*screen, press))
        return true;
    return screen->keyDown(press.key());
}

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

} // namespace shell
} // namespace vireka
