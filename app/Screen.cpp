#include "Screen.h"

#include "ImageControl.h"
#include "LabelControl.h"
#include "Pictures.h"
#include "ScreenWindow.h"
#include "Shell.h"
#include "Units.h"

#include <QAction>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <stdexcept>
#include <string>

namespace vireka {

namespace {

Qt::WindowFlags windowFlags(const ScreenSpec &spec)
{
    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (!spec.showInTaskbar)
        flags |= Qt::Tool;
    else if (spec.border == Border::FixedDialog)
        flags |= Qt::Dialog;
    else
        flags |= Qt::Window;
    switch (spec.buttons) {
    case TitleButtons::All:
        flags |= Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
        break;
    case TitleButtons::CloseOnly:
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        break;
    case TitleButtons::None:
        break;
    }
    return flags;
}

} // namespace

Screen::Screen(const ScreenSpec &spec, LayoutTable layout) : m_spec(spec), m_layout(layout) {}

Screen::~Screen()
{
    if (m_window) {
        m_window->detach();
        delete m_window.data();
    }
}

QWidget *Screen::window() const
{
    return m_window.data();
}

void Screen::load()
{
    if (isLoaded())
        return;
    auto *window = new ScreenWindow(*this, windowFlags(m_spec));
    m_window = window;
    window->setWindowTitle(QString::fromLatin1(m_spec.caption));
    window->setObjectName(QString::fromLatin1(m_spec.name));
    if (m_spec.programIcon)
        window->setWindowIcon(programIcon());

    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const bool hasMenu = std::any_of(m_layout.begin(), m_layout.end(),
                                     [](const ControlSpec &c) { return c.kind == ControlKind::Menu; });
    if (hasMenu) {
        m_menuBar = new QMenuBar(window);
        m_menuBar->setNativeMenuBar(false);
        layout->setMenuBar(m_menuBar);
    } else {
        m_menuBar = nullptr;
    }
    auto *client = new ClientArea(window);
    m_client = client;
    client->setObjectName(QStringLiteral("client"));
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, toQColor(m_spec.backColor));
    client->setPalette(palette);
    client->setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(client);

    m_controls = buildControls(m_layout, client, m_menuBar);

    // The design size is the client area's, below the menu bar once the bar holds its commands.
    const QSize clientSize(twipsToPixels(m_spec.clientWidth), twipsToPixels(m_spec.clientHeight));
    const int menuHeight = m_menuBar ? m_menuBar->heightForWidth(clientSize.width()) : 0;
    const QSize windowSize(clientSize.width(), clientSize.height() + menuHeight);
    window->resize(windowSize);
    if (m_spec.border != Border::Sizable)
        window->setFixedSize(windowSize);

    m_pointer = PointerDefault;
    setMousePointer(m_spec.mousePointer);
    m_shown = false;
    shell::screenLoaded();

    connectHandlers();
    Form_Load();
}

void Screen::unload()
{
    if (!m_window)
        return;
    ScreenWindow *window = m_window.data();
    m_window = nullptr;
    m_client = nullptr;
    m_menuBar = nullptr;
    m_controls = {};
    window->detach();
    window->hide();
    // A handler of this screen may still be running: destroy the window once it has returned.
    window->deleteLater();
    shell::screenUnloaded();
}

void Screen::unloadFromCloseBox()
{
    unload();
}

void Screen::placeWindow()
{
    QScreen *desktop = QGuiApplication::primaryScreen();
    const QRect available = desktop ? desktop->availableGeometry() : QRect(0, 0, 1024, 768);
    if (m_spec.placement == Placement::Centre) {
        const QSize size = m_window->size();
        m_window->move(available.x() + (available.width() - size.width()) / 2,
                       available.y() + (available.height() - size.height()) / 2);
    } else {
        m_window->move(twipsToPixels(m_spec.clientLeft), twipsToPixels(m_spec.clientTop));
    }
}

void Screen::show()
{
    if (!m_window)
        return;
    if (!m_shown) {
        m_shown = true;
        placeWindow();
        if (m_controls.firstFocus)
            m_controls.firstFocus->setFocus();
        else
            m_client->setFocus();
        if (m_spec.maximised)
            m_window->showMaximized();
        else
            m_window->show();
        return;
    }
    if (!m_window->isVisible())
        m_window->show();
}

void Screen::bringToFront()
{
    if (!m_window)
        return;
    if (m_window->isMinimized())
        m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    m_window->raise();
    m_window->activateWindow();
}

void Screen::setMousePointer(int pointer)
{
    m_pointer = pointer;
    if (!m_client)
        return;
    if (pointer == PointerCustom)
        m_client->setCursor(customCursor());
    else
        m_client->unsetCursor();
}

bool Screen::keyDown(int key, Qt::KeyboardModifiers)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (!m_controls.defaultButton || qobject_cast<QPushButton *>(m_window->focusWidget()))
            return false;
        m_controls.defaultButton->click();
        return true;
    }
    if (key != Qt::Key_Escape)
        return false;
    if (m_controls.cancelButton) {
        m_controls.cancelButton->click();
        return true;
    }
    if (m_spec.escape != EscapeRule::EndsProgram)
        return false;
    closeSelf();
    EndProgram();
    return true;
}

Screen *Screen::owning(QWidget *widget)
{
    if (!widget)
        return nullptr;
    auto *window = qobject_cast<ScreenWindow *>(widget->window());
    return window ? window->screen() : nullptr;
}

void Screen::closeSelf()
{
    if (m_closer)
        m_closer();
    else
        unload();
}

void Screen::Form_Load()
{
    if (m_spec.setsProgramFolder)
        SetProgramFolder();
}

void Screen::on(const char *controlName, Event event, std::function<void()> handler)
{
    auto guarded = [handler = std::move(handler)] {
        if (!shell::programEnded())
            handler();
    };
    if (!*controlName) {
        if (event == Event::MouseMove) {
            m_client->setMouseTracking(true);
            connect(static_cast<ClientArea *>(m_client), &ClientArea::mouseMoved, this, guarded);
        }
        return;
    }
    QObject *target = control(QString::fromLatin1(controlName));
    if (!target)
        throw std::logic_error(std::string("no control named ") + controlName + " on " + m_spec.name);
    if (auto *label = qobject_cast<LabelControl *>(target)) {
        connect(label, event == Event::Change ? &LabelControl::changed : &LabelControl::clicked, this, guarded);
    } else if (auto *list = qobject_cast<QListWidget *>(target)) {
        connect(list, &QListWidget::itemSelectionChanged, this, guarded);
    } else if (auto *button = qobject_cast<QPushButton *>(target)) {
        connect(button, &QPushButton::clicked, this, guarded);
    } else if (auto *command = qobject_cast<QAction *>(target)) {
        connect(command, &QAction::triggered, this, guarded);
    } else if (auto *image = qobject_cast<ImageControl *>(target)) {
        connect(image, &ImageControl::mouseMoved, this, guarded);
    }
}

} // namespace vireka
