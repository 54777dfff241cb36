// Start-up time of the main menu against a bare Qt window program, measured in one run: both are
// started in turn, several times, and the medians are compared.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

double runOnce(const QString &program, const QStringList &arguments = {})
{
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return -1;
    return timer.nsecsElapsed() / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
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
    std::vector<double> bareTimes, textTimes, menuTimes;
    for (int i = 0; i < rounds; ++i) {
        bareTimes.push_back(runOnce(bare));
        textTimes.push_back(runOnce(bare, {QStringLiteral("text")}));
        menuTimes.push_back(runOnce(menu));
    }
    QTextStream out(stdout);
    for (const auto *times : {&bareTimes, &textTimes, &menuTimes})
        if (std::count(times->begin(), times->end(), -1.0)) {
            out << "a run failed\n";
            return 1;
        }
    const double bareMs = median(bareTimes), textMs = median(textTimes), menuMs = median(menuTimes);
    out << "medians of " << rounds << " starts: bare window " << bareMs << " ms, bare window with a line of text "
        << textMs << " ms, main menu " << menuMs << " ms\n";
    out << "menu/bare = " << menuMs / bareMs << " (target <= 1.3)\n";
    out << "menu/bare with text = " << menuMs / textMs << "\n";
    return 0;
}
