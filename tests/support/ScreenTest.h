#pragma once

// What every screen test shares: a fixture that puts the shell into a known state around each test
// function, and the helpers that click and probe screens as a user meets them.

#include "AllScreens.h"
#include "DocumentArea.h"
#include "LabelControl.h"
#include "Screen.h"
#include "ScreenSlots.h"
#include "Shell.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <memory>
#include <stdexcept>

namespace vireka::test {

// The colours the screens are designed in, as a grabbed window shows them, written apart from the
// program's palette so that a fault there shows.
namespace shades {
inline const QColor Black(0, 0, 0);
inline const QColor White(255, 255, 255);
inline const QColor Navy(0, 0, 128);
inline const QColor Blue(0, 0, 192);
inline const QColor Red(255, 0, 0);
inline const QColor Yellow(255, 255, 0);
inline const QColor OliveYellow(192, 192, 0);
inline const QColor Olive(128, 128, 0);
inline const QColor LightCyan(128, 255, 255);
} // namespace shades

// Every slot empty, the program running, ending and messages recorded instead of carried out, and a
// program folder of the test's own (with spaces and accents in its name, as users' folders have).
class ShellFixture {
public:
    void setUp()
    {
        emptyAllSlots();
        flushDeletes();
        shell::resetForTests();
        endings = 0;
        messages.clear();
        captions.clear();
        m_folder = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/vireka folder \u00e9\u00e8 XXXXXX"));
        shell::setEndAction([this] { ++endings; });
        shell::setMessageAction([this](const QString &text, const QString &caption) {
            messages << text;
            captions << caption;
        });
        const QString path = m_folder->path();
        shell::setProgramFolderLocator([path] { return path; });
    }

    void tearDown()
    {
        emptyAllSlots();
        flushDeletes();
        shell::resetForTests();
        shell::setEndAction({});
        shell::setMessageAction({});
        shell::setProgramFolderLocator({});
        m_folder.reset();
    }

    QString folder() const { return m_folder->path(); }

    void writeFile(const QString &name, const QByteArray &bytes) const
    {
        QFile file(m_folder->filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    // Lets the program go on after a screen ended it, as a fresh start would.
    static void restart()
    {
        flushDeletes();
        shell::resetForTests();
    }

    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    int endings = 0;
    QStringList messages;
    QStringList captions;

private:
    std::unique_ptr<QTemporaryDir> m_folder;
};

// A test class whose every test function starts and ends with a fresh shell.
class ScreenTestCase : public QObject {
    Q_OBJECT
protected:
    ShellFixture fixture;

private slots:
    void init() { fixture.setUp(); }
    void cleanup() { fixture.tearDown(); }
};

// The screen class called `name`; a name the program does not have fails the test loudly.
inline const ScreenClass &screenNamed(const QString &name)
{
    const ScreenClass *found = screenClass(name.toStdString());
    if (!found)
        throw std::logic_error("no screen class " + name.toStdString());
    return *found;
}

// How long real-window tests wait for the window manager: a busy machine can take a while.
constexpr int WindowManagerPatience = 30000;

// One row per screen of the program, its class name in the column "name".
inline void addScreenRows()
{
    QTest::addColumn<QString>("name");
    for (const ScreenClass &screen : allScreens())
        QTest::newRow(screen.name) << QString::fromLatin1(screen.name);
}

// One row per link of every screen's link table: the screen, the link and its file (without the
// leading backslash).
inline void addLinkRows()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("file");
    for (const ScreenClass &screen : allScreens())
        for (const DocumentLink &link : screen.links.rows)
            QTest::addRow("%s %s", screen.name, link.control)
                << QString::fromLatin1(screen.name) << QString::fromLatin1(link.control)
                << QString::fromLatin1(link.file + 1);
}

// Opens a screen and waits until the window manager has framed, placed and activated it (real
// windows).
template <class S>
S &openActive()
{
    S &screen = OpenScreen<S>();
    QWidget *window = screen.window();
    if (!QTest::qWaitForWindowActive(window, WindowManagerPatience))
        qWarning("the window did not become active");
    if (!QTest::qWaitFor([window] { return window->isMaximized() || window->frameGeometry() != window->geometry(); },
                         WindowManagerPatience))
        qWarning("the window got no frame");
    QTest::qWait(50); // a centred window moves once more when its own frame is known
    return screen;
}

// A small RTF document whose text is `text`.
inline QByteArray rtf(const QByteArray &text)
{
    return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}}\\pard\\plain\\fs24 " + text + "\\par}";
}

// A document long enough to scroll, beginning with `first`.
inline QByteArray longRtf(const QByteArray &first, int lines = 200)
{
    QByteArray body = first + "\\par ";
    for (int i = 0; i < lines; ++i)
        body += "Line " + QByteArray::number(i) + " of a long document.\\par ";
    return rtf(body);
}

// Uses the control `name` as a user would: a left click on a label, a press of a button, the
// command of a menu. False when the control is none of these; the test checks it:
// QVERIFY(click(screen, "lblExit")).
[[nodiscard]] inline bool click(Screen &screen, const char *name)
{
    auto &control = screen.control<QObject>(name);
    if (auto *label = qobject_cast<LabelControl *>(&control))
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3));
    else if (auto *button = qobject_cast<QPushButton *>(&control))
        QTest::mouseClick(button, Qt::LeftButton);
    else if (auto *command = qobject_cast<QAction *>(&control))
        command->trigger();
    else
        return false;
    return true;
}

// The text a document area shows, without the last paragraph's break.
inline QString shown(Screen &screen, const char *area)
{
    return screen.control<DocumentArea>(area).toPlainText().trimmed();
}

// Presses `key` as the user would, on the focused control or else the active window (real windows).
inline void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow(), key,
                    modifiers);
}

// The widget a key press goes to on `screen`: the focused control, or the window itself.
inline QWidget *keyTarget(Screen &screen)
{
    QWidget *focused = screen.window()->focusWidget();
    return focused ? focused : screen.window();
}

// A picture of a screen's client area, to check what the layout table fixes pixel by pixel.
class ScreenProbe {
public:
    explicit ScreenProbe(QWidget *client) : m_shot(client->grab().toImage()) {}

    QColor at(int x, int y) const { return QColor::fromRgb(m_shot.pixel(x, y)); }

    // True when some pixel inside `area` has `colour`, such as a caption's text colour. Small text
    // may have no pixel wholly covered by a stroke, so a trace of the background is allowed.
    bool contains(const QRect &area, const QColor &colour) const
    {
        constexpr int Trace = 8;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) {
                const QRgb pixel = m_shot.pixel(x, y);
                if (std::abs(qRed(pixel) - colour.red()) <= Trace && std::abs(qGreen(pixel) - colour.green()) <= Trace &&
                    std::abs(qBlue(pixel) - colour.blue()) <= Trace)
                    return true;
            }
        return false;
    }

    const QImage &image() const { return m_shot; }

private:
    QImage m_shot;
};

} // namespace vireka::test
