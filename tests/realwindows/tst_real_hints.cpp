// What a screen's window tells the window manager, read back from the X server as a window manager
// reads it: the title-bar boxes and functions its row allows, the taskbar button, and the class that
// ties the running program to its menu entry.

#include "Application.h"
#include "ScreenTest.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

using namespace vireka;
using namespace vireka::test;

namespace {

// The X property `name` of the window as xprop prints it, after the equals sign.
QString xProperty(QWidget *window, const char *name)
{
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window->winId()), QString::fromLatin1(name)});
    xprop.waitForFinished();
    return QString::fromLatin1(xprop.readAllStandardOutput()).section(QLatin1String(" = "), 1).trimmed();
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
