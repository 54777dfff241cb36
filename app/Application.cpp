#include "Application.h"

#include "ClassicStyle.h"
#include "Fonts.h"
#include "Shell.h"

#include <QKeyEvent>

#include <exception>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace vireka {

namespace {

// Blocks of a megabyte and more (the text and layout of a long document) go back to the system when
// they are freed. Left to itself, glibc raises its threshold after the first such block is freed and
// serves the next documents from a heap that seldom shrinks: the program then stayed a fifth larger
// after showing a few long documents than after the first.
void returnLargeBlocksWhenFreed()
{
#if defined(__GLIBC__)
    constexpr int LargeBlock = 1024 * 1024;
    mallopt(M_MMAP_THRESHOLD, LargeBlock);
#endif
}

} // namespace

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    returnLargeBlocksWhenFreed();
    setApplicationName(QStringLiteral("Vireka"));
    setApplicationVersion(QStringLiteral(VIREKA_VERSION));
    setOrganizationName(QStringLiteral("Morvane Zuvovuroda"));
    // Ties the windows to the menu entry, for the desktop's task bar and window icons.
    setDesktopFileName(QStringLiteral("example.vireka.Vireka"));
    // The program ends by its own rule, when no screen is loaded any more.
    setQuitOnLastWindowClosed(false);
    installFontSubstitutions();
    // The classic look, much cheaper to draw than the default style's gradients.
    setStyle(new ClassicStyle);
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        // A key press comes here once, for the widget it is first sent to; Qt then passes it up the
        // parent chain inside the call below. The screen's own keys go first, so that a focused
        // control cannot swallow Escape.
        if (event->type() == QEvent::KeyPress && shell::deliverKeyPress(receiver, *static_cast<QKeyEvent *>(event)))
            return true;
        return QApplication::notify(receiver, event);
    } catch (const std::exception &failure) {
        ReportFatalError(failure.what());
    } catch (...) {
        ReportFatalError(nullptr);
    }
    return true;
}

} // namespace vireka
