#pragma once

#include "ControlBuilder.h"
#include "ScreenSpec.h"
#include "ScreenWindow.h"

#include <QMetaMethod>
#include <QObject>
#include <QPointer>

#include <functional>
#include <stdexcept>
#include <string>

class QMenuBar;
class QWidget;

namespace vireka {

// The name of a screen class: the class's, without the namespace.
const char *screenName(const QMetaObject &meta);

// A screen: a top-level window built from its layout table. Its window and controls exist only
// while it is loaded; the object itself lives in its slot.
//
// Handlers are the subclass's slots, named control, underscore, event (`lblExit_Click`,
// `lstAsanas_Click`, `lblAsanas_Change`, `Image1_MouseMove`, `Form_MouseMove`, `Form_Load`), and
// are connected by name each time the screen loads. Binding is strict: a slot whose control does
// not exist, or cannot raise that event, makes the load fail.
class Screen : public QObject {
    Q_OBJECT
public:
    explicit Screen(const ScreenSpec &spec);
    ~Screen() override;

    const ScreenSpec &spec() const { return m_spec; }
    // The screen's name: its class's, without the namespace.
    const char *name() const;
    bool isLoaded() const { return m_window != nullptr; }

    // Builds the window and its controls, binds the handlers, then runs Load. Does nothing when
    // already loaded.
    void load();
    // Destroys the window and its controls; no handler runs. Safe from the screen's own handlers.
    void unload();
    void show();
    void bringToFront();

    QWidget *window() const;
    QWidget *client() const { return m_client; }
    QMenuBar *menuBar() const { return m_menuBar; }

    // The loaded control `name` as a T. A control that is missing or of another kind is a
    // programming error, and throws.
    template <class T>
    T &control(const char *name) const
    {
        T *found = qobject_cast<T *>(m_controls.byName.value(QString::fromLatin1(name)));
        if (!found)
            throw std::logic_error(std::string(this->name()) + " has no control " + name + " of that kind");
        return *found;
    }

    int mousePointer() const { return m_pointer; }
    void setMousePointer(int pointer);

    // A key press while this screen's window is active, before its controls see it: Enter for the
    // default button, Escape for the cancel button or the screen's Escape rule. Returns true when
    // the key was used here.
    bool keyDown(int key);

    // The loaded screen whose window holds `widget`, if any.
    static Screen *owning(QWidget *widget);

    // How this screen empties its own slot; set when the slot creates it.
    void setCloser(void (*closer)()) { m_closer = closer; }
    void closeSelf();

private:
    friend class ScreenWindow;
    void buildWindow();
    void bindHandlers();
    void bindHandler(const QMetaMethod &handler);
    void bindRows();
    void connectClick(const char *control, const std::function<void()> &action);
    void loadOpeningDocument();
    void runLoadEvent();
    void placeWindow();
    QSize designSize() const; // of the whole client area, menu bar included
    void restoreDesignPlace();
    [[noreturn]] void bindingError(const QByteArray &slotName, const char *why) const;

    const ScreenSpec &m_spec;
    QPointer<ScreenWindow> m_window;
    QWidget *m_client = nullptr;
    QMenuBar *m_menuBar = nullptr;
    int m_menuHeight = 0;
    BuiltControls m_controls;
    QMetaMethod m_formLoad;
    int m_pointer = PointerDefault;
    bool m_shown = false;
    void (*m_closer)() = nullptr;
};

} // namespace vireka
