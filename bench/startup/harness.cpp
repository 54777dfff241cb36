// Start-up time of the main menu against a bare Qt window program, measured in one run: both are
// started in turn, several times, and the medians are compared, in wall time and in the processor
// time the started program used. Wall time swings with whatever else the machine does; processor
// time much less, so it is the figure to compare between runs. On a display (for example
// `xvfb-run -a bench_startup`) both programs use the xcb platform, as users' desktops do.

#include "Median.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>

#include <sys/resource.h>

#include <algorithm>
#include <vector>

using vireka::bench::median;

namespace {

// Processor time, user and system, of every child that has ended and been waited for, in ms.
double childrenCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval &t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

struct Start {
    double wallMs = -1;
    double cpuMs = -1;
};

Start runOnce(const QString &program, const QStringList &arguments = {})
{
    QProcess process;
    const double cpuBefore = childrenCpuMs();
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return {timer.nsecsElapsed() / 1e6, childrenCpuMs() - cpuBefore};
}

} // namespace

int main(int argc, char **argv)
{
    // Without a display, both programs run on Qt's offscreen platform, which still paints.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication app(argc, argv);
    const QString folder = QCoreApplication::applicationDirPath();
    const QString bare = folder + QStringLiteral("/bench_startup_bare");
    const QString menu = folder + QStringLiteral("/bench_startup_menu");
    const int rounds = argc > 1 ? std::max(3, atoi(argv[1])) : 15;

    runOnce(bare); // warm the file cache for both
    runOnce(menu);
    std::vector<double> bareTimes, textTimes, menuTimes, bareCpu, textCpu, menuCpu;
    QTextStream out(stdout);
    for (int i = 0; i < rounds; ++i) {
        const Start starts[] = {runOnce(bare), runOnce(bare, {QStringLiteral("text")}), runOnce(menu)};
        for (const Start &start : starts)
            if (start.wallMs < 0) {
                out << "a run failed\n";
                return 1;
            }
        bareTimes.push_back(starts[0].wallMs);
        textTimes.push_back(starts[1].wallMs);
        menuTimes.push_back(starts[2].wallMs);
        bareCpu.push_back(starts[0].cpuMs);
        textCpu.push_back(starts[1].cpuMs);
        menuCpu.push_back(starts[2].cpuMs);
    }
    const double bareMs = median(bareTimes), textMs = median(textTimes), menuMs = median(menuTimes);
    const double bareCpuMs = median(bareCpu), textCpuMs = median(textCpu), menuCpuMs = median(menuCpu);
    out << "platform: " << qgetenv("QT_QPA_PLATFORM") << (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ? "xcb" : "")
        << ", medians of " << rounds << " starts\n";
    out << "wall: bare window " << bareMs << " ms, with a line of text " << textMs << " ms, main menu " << menuMs
        << " ms\n";
    out << "processor: bare window " << bareCpuMs << " ms, with a line of text " << textCpuMs << " ms, main menu "
        << menuCpuMs << " ms\n";
    out << "menu/bare = " << menuMs / bareMs << " wall, " << menuCpuMs / bareCpuMs << " processor (target <= 1.3)\n";
    out << "menu/bare with text = " << menuMs / textMs << " wall, " << menuCpuMs / textCpuMs << " processor\n";
    return 0;
}
