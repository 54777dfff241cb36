#include "Application.h"
#include "CommandLine.h"
#include "ScreenSlots.h"
#include "SearchWindow.h"
#include "Shell.h"
#include "menu/frmYoga.h"

#include <exception>

int main(int argc, char **argv)
{
    if (const auto status = vireka::answerCommandLine(argc, argv))
        return *status;
    vireka::Application app(argc, argv);
    vireka::installDocumentSearch();
    try {
        vireka::OpenScreen<vireka::frmYoga>();
    } catch (const std::exception &failure) {
        vireka::ReportFatalError(failure.what());
        return 1;
    }
    if (vireka::shell::programEnded())
        return 0;
    return vireka::Application::exec();
}
