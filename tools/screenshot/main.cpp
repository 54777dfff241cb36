// Starts a program on the current X display, waits for it to settle, saves a picture of the whole
// screen and ends the program. Used where there is no display to look at, under Xvfb.
//
//   screenshot PROGRAM OUTPUT.png [SECONDS]
//   screenshot - OUTPUT.png          (only saves the screen as it is now)

#include <QGuiApplication>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTextStream>
#include <QThread>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() < 3) {
        err << "usage: screenshot PROGRAM OUTPUT.png [SECONDS]\n";
        return 2;
    }
    const double seconds = args.size() > 3 ? args.at(3).toDouble() : 3.0;
    if (args.at(1) == QLatin1String("-")) {
        QScreen *screen = QGuiApplication::primaryScreen();
        return screen && screen->grabWindow(0).save(args.at(2)) ? 0 : 1;
    }

    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(args.at(1), {});
    if (!program.waitForStarted(10000)) {
        err << "could not start " << args.at(1) << "\n";
        return 1;
    }
    // Wait while the program starts and paints, but stop early if it ends by itself.
    program.waitForFinished(int(seconds * 1000));
    const bool stillRunning = program.state() == QProcess::Running;

    QScreen *screen = QGuiApplication::primaryScreen();
    const QPixmap shot = screen ? screen->grabWindow(0) : QPixmap();
    if (stillRunning) {
        program.terminate();
        if (!program.waitForFinished(3000))
            program.kill();
    }
    if (shot.isNull() || !shot.save(args.at(2))) {
        err << "could not save " << args.at(2) << "\n";
        return 1;
    }
    if (!stillRunning) {
        err << args.at(1) << " ended before the screenshot was taken\n";
        return 1;
    }
    return 0;
}
