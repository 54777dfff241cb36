#include "Screen.h"

#include "DocumentArea.h"
#include "ImageControl.h"
#include "LabelControl.h"
#include "ListBoxControl.h"
#include "Pictures.h"
#include "ScreenWindow.h"
#include "Shell.h"
#include "Units.h"
#include "WindowHints.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <cstring>

namespace vireka {

namespace {

// The events a handler can be named for, and the signal of each control kind that raises them.
enum class Event { Click, Change, MouseMove, Load };

std::optional<Event> eventNamed(const QByteArray &name)
{
    if (name == "Click") return Event::Click;
    if (name == "Change") return Event::Change;
    if (name == "MouseMove") return Event::MouseMove;
    if (name == "Load") return Event::Load;
    return std::nullopt;
}

} // namespace

const char *screenName(const QMetaObject &meta)
{
    const char *qualified = meta.className();
    const char *colon = std::strrchr(qualified, ':');
    return colon ? colon + 1 : qualified;
}

Screen::Screen(const ScreenSpec &spec) : m_spec(spec) {}

const char *Screen::name() const
{
    return screenName(*metaObject());
}

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
    buildWindow();
    try {
        bindHandlers();
        bindRows();
    } catch (...) {
        // A screen that cannot be bound is not loaded: leave nothing half-built behind.
        m_window->detach();
        delete m_window.data();
        m_client = nullptr;
        m_menuBar = nullptr;
        m_controls = {};
        throw;
    }
    shell::screenLoaded();
    runLoadEvent();
}

void Screen::buildWindow()
{
    auto *window = new ScreenWindow(*this, windowFlags(m_spec));
    m_window = window;
    window->setWindowTitle(QString::fromLatin1(m_spec.caption));
    window->setObjectName(QString::fromLatin1(name()));
    window->setPalette(classicPalette());
    if (m_spec.programIcon)
        window->setWindowIcon(programIcon());

    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const bool hasMenu = std::any_of(m_spec.controls.begin(), m_spec.controls.end(),
                                     [](const ControlSpec &c) { return c.kind == ControlKind::Menu; });
    m_menuBar = nullptr;
    if (hasMenu) {
        m_menuBar = new QMenuBar(window);
        m_menuBar->setNativeMenuBar(false);
        layout->setMenuBar(m_menuBar);
    }
    m_client = new ClientArea(window);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setAutoFillBackground(true);
    QPalette palette = m_client->palette();
    palette.setColor(QPalette::Window, toQColor(m_spec.backColor));
    m_client->setPalette(palette);
    layout->addWidget(m_client);

    m_controls = buildControls(m_spec.controls, m_client, m_menuBar);

    // The design size is the client area's, below the menu bar once the bar holds its commands.
    m_menuHeight = m_menuBar ? m_menuBar->heightForWidth(twipsToPixels(m_spec.clientWidth)) : 0;
    const QSize windowSize = designSize();
    window->resize(windowSize);
    if (m_spec.border != Border::Sizable)
        window->setFixedSize(windowSize);

    m_pointer = PointerDefault;
    setMousePointer(m_spec.mousePointer);
    m_shown = false;
}

void Screen::bindHandlers()
{
    m_formLoad = QMetaMethod();
    const QMetaObject *meta = metaObject();
    for (int i = Screen::staticMetaObject.methodCount(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() == QMetaMethod::Slot)
            bindHandler(method);
    }
}

void Screen::bindingError(const QByteArray &slotName, const char *why) const
{
    throw std::logic_error(std::string(name()) + "::" + slotName.toStdString() + ": " + why);
}

void Screen::bindHandler(const QMetaMethod &handler)
{
    const QByteArray name = handler.name();
    const qsizetype cut = name.lastIndexOf('_');
    const std::optional<Event> event = cut > 0 ? eventNamed(name.mid(cut + 1)) : std::nullopt;
    if (!event || handler.parameterCount() != 0)
        bindingError(name, "a handler is named control_Event and takes nothing");
    const QByteArray controlName = name.left(cut);

    // Handlers run one at a time, and none after the program has ended.
    auto run = [this, handler] {
        if (!shell::programEnded())
            handler.invoke(this, Qt::DirectConnection);
    };

    if (controlName == "Form") {
        if (*event == Event::Load)
            m_formLoad = handler;
        else if (*event == Event::MouseMove) {
            m_client->setMouseTracking(true);
            connect(static_cast<ClientArea *>(m_client), &ClientArea::mouseMoved, this, run);
        } else
            bindingError(name, "a screen raises Load and MouseMove only");
        return;
    }

    const auto kind = m_controls.kinds.constFind(QString::fromLatin1(controlName));
    if (kind == m_controls.kinds.cend())
        bindingError(name, "no such control");
    QObject *target = m_controls.byName.value(kind.key());
    switch (*kind) {
    case ControlKind::Label:
        if (*event == Event::Click)
            connect(static_cast<LabelControl *>(target), &LabelControl::clicked, this, run);
        else if (*event == Event::Change)
            connect(static_cast<LabelControl *>(target), &LabelControl::changed, this, run);
        else
            bindingError(name, "a label raises Click and Change only");
        return;
    case ControlKind::Image:
        if (*event != Event::MouseMove)
            bindingError(name, "an image raises MouseMove only");
        connect(static_cast<ImageControl *>(target), &ImageControl::mouseMoved, this, run);
        return;
    case ControlKind::ListBox:
        if (*event != Event::Click)
            bindingError(name, "a list box raises Click only");
        connect(static_cast<ListBoxControl *>(target), &ListBoxControl::clicked, this, run);
        return;
    case ControlKind::CommandButton:
        if (*event != Event::Click)
            bindingError(name, "a command button raises Click only");
        connect(static_cast<QPushButton *>(target), &QPushButton::clicked, this, run);
        return;
    case ControlKind::Menu:
        if (*event != Event::Click)
            bindingError(name, "a menu command raises Click only");
        connect(static_cast<QAction *>(target), &QAction::triggered, this, run);
        return;
    default:
        bindingError(name, "this kind of control raises no events");
    }
}

// The close control and the links are bound from their rows, so a screen writes no handler for them;
// a handler of its own for the same control would run beside the row's, and is an error.
void Screen::connectClick(const char *controlName, const std::function<void()> &action)
{
    const QByteArray ownHandler = QByteArray(controlName) + "_Click()";
    if (metaObject()->indexOfSlot(ownHandler.constData()) >= 0)
        throw std::logic_error(std::string(name()) + "::" + controlName +
                               " is bound from its row and has a Click handler too");
    auto run = [action] {
        if (!shell::programEnded())
            action();
    };
    QObject *target = &control<QObject>(controlName);
    if (auto *label = qobject_cast<LabelControl *>(target))
        connect(label, &LabelControl::clicked, this, run);
    else if (auto *button = qobject_cast<QPushButton *>(target))
        connect(button, &QPushButton::clicked, this, run);
    else if (auto *command = qobject_cast<QAction *>(target))
        connect(command, &QAction::triggered, this, run);
    else
        throw std::logic_error(std::string(name()) + "::" + controlName + " cannot be clicked");
}

void Screen::bindRows()
{
    if (m_spec.closedBy)
        connectClick(m_spec.closedBy, [this] {
            if (m_spec.closeRule == CloseRule::UnloadsOnly)
                unload();
            else
                closeSelf();
        });
    for (const ControlSpec &row : m_spec.controls) {
        if (!row.loads)
            continue;
        if (!m_spec.linkArea)
            throw std::logic_error(std::string(name()) + "::" + row.name + " loads a document into no area");
        control<DocumentArea>(m_spec.linkArea); // fails loudly now rather than at the first click
        connectClick(row.name, [this, file = row.loads] {
            auto &area = control<DocumentArea>(m_spec.linkArea);
            if (m_spec.linkRule == LoadRule::ClearFirst)
                ClearDocument(area);
            LoadDocument(area, QString::fromLatin1(file));
        });
    }
}

void Screen::runLoadEvent()
{
    if (m_formLoad.isValid())
        m_formLoad.invoke(this, Qt::DirectConnection);
    else if (m_spec.setsProgramFolder)
        SetProgramFolder();
    loadOpeningDocument();
}

// A missing or broken file leaves the area as it was built, with its stored text if it has one.
void Screen::loadOpeningDocument()
{
    if (m_spec.opens.file && isLoaded())
        LoadDocument(control<DocumentArea>(m_spec.opens.area), QString::fromLatin1(m_spec.opens.file));
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

void Screen::placeWindow()
{
    QScreen *desktop = QGuiApplication::primaryScreen();
    const QRect available = desktop ? desktop->availableGeometry() : QRect(0, 0, 1024, 768);
    if (m_spec.placement == Placement::Centre) {
        m_window->centreOn(available);
        return;
    }
    // A manual position is the client area's corner; a menu bar sits above it.
    const QPoint corner(twipsToPixels(m_spec.clientLeft), twipsToPixels(m_spec.clientTop) - m_menuHeight);
    m_window->setGeometry(QRect(corner, m_window->size()));
}

QSize Screen::designSize() const
{
    return {twipsToPixels(m_spec.clientWidth), twipsToPixels(m_spec.clientHeight) + m_menuHeight};
}

// A window opened maximised has had no restored size or place of its own: its first restore gives
// it the design's, where a window manager would keep the maximised size or choose a corner.
void Screen::restoreDesignPlace()
{
    if (!m_window)
        return;
    m_window->resize(designSize());
    placeWindow();
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
        hintWindowManager(*m_window, m_spec);
        if (m_spec.maximised) {
            m_window->placeWhenFirstRestored();
            m_window->showMaximized();
        } else {
            m_window->show();
        }
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

bool Screen::keyDown(int key)
{
    if (!m_window)
        return false;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        // A focused button takes Enter itself; otherwise Enter presses the default button.
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

} // namespace vireka
