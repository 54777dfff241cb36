#include "Application.h"

#include "Fonts.h"
#include "Shell.h"

#include <exception>

namespace vireka {

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Vireka"));
    setApplicationVersion(QStringLiteral("1.0.0.0"));
    setOrganizationName(QStringLiteral("Morvane Zuvovuroda"));
    // The program ends by its own rule, when no screen is loaded any more.
    setQuitOnLastWindowClosed(false);
    installFontSubstitutions();
    shell::installKeyWatcher();
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &failure) {
        ReportFatalError(failure.what());
    } catch (...) {
        ReportFatalError(nullptr);
    }
    return true;
}

} // namespace vireka
