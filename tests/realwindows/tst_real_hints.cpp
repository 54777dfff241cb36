// What a screen's window tells the window manager, read back from the X server as a window manager
// reads it: the title-bar boxes and functions its row allows, the taskbar button, and the class that
// ties the running program to its menu entry.

#include "Application.h"
#include "ScreenTest.h"

#include <QFile>
#include <QScreen>
#include <QScopeGuard>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>

using namespace vireka;
using namespace vireka::test;

namespace {

QString output(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// The X property `name` of the window as xprop prints it, after the equals sign.
QString xProperty(const QString &windowId, const char *name)
{
    return output(QStringLiteral("xprop"), {QStringLiteral("-id"), windowId, QString::fromLatin1(name)})
        .section(QLatin1String(" = "), 1)
        .trimmed();
}

QString xProperty(QWidget *window, const char *name)
{
    return xProperty(QString::number(window->winId()), name);
}

// The window manager's id of the window titled `title`, as wmctrl lists it; empty while there is none.
QString windowTitled(const QString &title)
{
    for (const QString &line : output(QStringLiteral("wmctrl"), {QStringLiteral("-l")}).split(QLatin1Char('\n')))
        if (line.endsWith(QLatin1Char(' ') + title))
            return line.section(QLatin1Char(' '), 0, 0);
    return {};
}

// The window's client area on the screen, as xwininfo gives it.
QRect clientGeometry(const QString &windowId)
{
    const QString info = output(QStringLiteral("xwininfo"), {QStringLiteral("-id"), windowId});
    const auto value = [&info](const char *label) {
        return QRegularExpression(QString::fromLatin1(label) + QStringLiteral(":\\s+(-?\\d+)")).match(info).captured(1).toInt();
    };
    return {value("Absolute upper-left X"), value("Absolute upper-left Y"), value("Width"), value("Height")};
}

Screen &openActive(const char *name)
{
    Screen &screen = screenNamed(QString::fromLatin1(name)).open();
    if (!QTest::qWaitForWindowExposed(screen.window(), WindowManagerPatience))
        qWarning("the window was not shown");
    return screen;
}

} // namespace

class RealHintsTest : public ScreenTestCase {
    Q_OBJECT

private slots:
    // Flags (functions and decorations), functions (resize 2, move 4, minimise 8, maximise 16,
    // close 32), decorations (border 2, resize handle 4, title 8, menu 16, minimise 32, maximise 64).
    void titleBarBoxesAreHintedAsTheRowSays_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("motif");
        QTest::newRow("no boxes, sizable") << "frmSirsasana" << "0x3, 0x6, 0xe, 0x0, 0x0";
        QTest::newRow("no boxes, fixed") << "frmDisclaimer" << "0x3, 0x4, 0xa, 0x0, 0x0";
        QTest::newRow("close only, sizable") << "frmPhotoAsanas" << "0x3, 0x26, 0x1e, 0x0, 0x0";
        QTest::newRow("close only, fixed dialog") << "frmAbout" << "0x3, 0x24, 0x1a, 0x0, 0x0";
        QTest::newRow("all boxes") << "frmDirectory" << "0x3, 0x3e, 0x7e, 0x0, 0x0";
    }
    void titleBarBoxesAreHintedAsTheRowSays()
    {
        QFETCH(QString, name);
        QFETCH(QString, motif);
        const QByteArray screenName = name.toLatin1();
        QCOMPARE(xProperty(openActive(screenName.constData()).window(), "_MOTIF_WM_HINTS"), motif);
    }

    // The window manager's maximise box, or a double click on the title, leaves a screen without a
    // maximise box at its design size.
    void aScreenWithoutAMaximiseBoxIsNeverMaximised()
    {
        QWidget *window = openActive("zavOdudo").window();
        const QSize design = window->size();
        window->showMaximized();
        QTest::qWait(500);
        QTRY_VERIFY_WITH_TIMEOUT(!window->isMaximized(), WindowManagerPatience);
        QTRY_COMPARE_WITH_TIMEOUT(window->size(), design, WindowManagerPatience);
    }

    void theAboutBoxHasNoTaskbarButton()
    {
        openActive("frmYoga");
        const QString about = xProperty(openActive("frmAbout").window(), "_NET_WM_STATE");
        QVERIFY2(about.contains("_NET_WM_STATE_SKIP_TASKBAR") && about.contains("_NET_WM_STATE_SKIP_PAGER"),
                 qPrintable(about));
        QVERIFY(!xProperty(screenNamed("frmYoga").instance()->window(), "_NET_WM_STATE").contains("SKIP_TASKBAR"));
    }

    // The program as a desktop starts it: its main menu opens maximised and, restored by the window
    // manager (as by its title-bar box), takes its design size in the middle of the screen.
    void theMainMenuRestoredByTheWindowManagerIsCentred()
    {
        QProcess program;
        program.start(QStringLiteral(VIREKA_PROGRAM), QStringList());
        QVERIFY(program.waitForStarted());
        const auto stop = qScopeGuard([&program] {
            program.kill();
            program.waitForFinished();
        });
        QString id;
        QVERIFY(QTest::qWaitFor([&id] { return !(id = windowTitled("VIREKA: A FREEWARE PROGRAM FROM MORVANE ZUVOVURODA")).isEmpty(); }, WindowManagerPatience));
        QVERIFY(QTest::qWaitFor([&id] { return xProperty(id, "_NET_WM_STATE").contains("MAXIMIZED_HORZ"); }, WindowManagerPatience));
        QCOMPARE(QProcess::execute(QStringLiteral("wmctrl"), {"-i", "-r", id, "-b", "remove,maximized_vert,maximized_horz"}), 0);
        const QPoint middle = QGuiApplication::primaryScreen()->availableGeometry().center();
        QTRY_COMPARE_WITH_TIMEOUT(clientGeometry(id).size(), QSize(632, 426), WindowManagerPatience);
        QTRY_VERIFY_WITH_TIMEOUT(qAbs(clientGeometry(id).center().x() - middle.x()) <= 1, WindowManagerPatience);
        QVERIFY(qAbs(clientGeometry(id).center().y() - middle.y()) <= 16); // the title bar takes some of the height
    }

    void theWindowsClassIsTheMenuEntrys()
    {
        QFile entry(QStringLiteral(VIREKA_DESKTOP_ENTRY));
        QVERIFY(entry.open(QIODevice::ReadOnly));
        const QRegularExpressionMatch startup =
            QRegularExpression(QStringLiteral("^StartupWMClass=(.+)$"), QRegularExpression::MultilineOption)
                .match(QString::fromUtf8(entry.readAll()));
        QVERIFY(startup.hasMatch());
        const QString windowClass = xProperty(openActive("frmYoga").window(), "WM_CLASS");
        QCOMPARE(windowClass.section(QLatin1String(", "), 1), QLatin1Char('"') + startup.captured(1) + QLatin1Char('"'));
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    RealHintsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_real_hints.moc"
