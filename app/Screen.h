#pragma once

#include "ControlBuilder.h"
#include "LayoutTable.h"
#include "ScreenWindow.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <span>

class QMenuBar;
class QWidget;

namespace vireka {



enum class Event { Click, Change, MouseMove };

// One row of a screen's handler table: which member function runs for which control's event.
// An empty control name means the screen itself.
template <class S>
struct Handler {
    const char *control;
    Event event;
    void (S::*run)();
};

// A screen: a top-level window built from its layout table, with its handlers. Its window and
// controls exist only while it is loaded; the object itself lives in its slot.
class Screen : public QObject {
    Q_OBJECT
public:
    Screen(const ScreenSpec &spec, LayoutTable layout);
    ~Screen() override;

    const ScreenSpec &spec() const { return m_spec; }
    bool isLoaded() const { return m_window != nullptr; }

    // Builds the window and its controls, then runs Load. Does nothing when already loaded.
    void load();
    // Destroys the window and its controls; no handler runs. Safe from the screen's own handlers.
    void unload();
    void show();
    void bringToFront();

    QWidget *window() const;
    QWidget *client() const { return m_client; }
    QMenuBar *menuBar() const { return m_menuBar; }
    QObject *control(const QString &name) const { return m_controls.byName.value(name); }
    template <class T>
    T *control(const char *name) const
    {
        return qobject_cast<T *>(control(QString::fromLatin1(name)));
    }

    int mousePointer() const { return m_pointer; }
    void setMousePointer(int pointer);

    // Key presses while this screen's window is active, before its controls see them. Returns
    // true when the key was handled here. The default is the screen's Escape rule.
    virtual bool keyDown(int key, Qt::KeyboardModifiers modifiers);

    // The loaded screen whose window holds `widget`, if any.
    static Screen *owning(QWidget *widget);

    // How this screen empties its own slot; set when the slot creates it.
    void setCloser(void (*closer)()) { m_closer = closer; }
    void closeSelf();

protected:
    // The Load event. By default it makes the program folder current where the screen table asks.
    virtual void Form_Load();
    // Attaches the handlers to the freshly built controls.
    virtual void connectHandlers() {}

    void on(const char *control, Event event, std::function<void()> handler);
    template <class S>
    void bind(std::span<const Handler<S>> table)
    {
        S *self = static_cast<S *>(this);
        for (const Handler<S> &handler : table)
            on(handler.control, handler.event, [self, run = handler.run] { (self->*run)(); });
    }

private:
    friend class ScreenWindow;
    void unloadFromCloseBox();
    void placeWindow();

    const ScreenSpec &m_spec;
    LayoutTable m_layout;
    QPointer<ScreenWindow> m_window;
    QWidget *m_client = nullptr;
    QMenuBar *m_menuBar = nullptr;
    BuiltControls m_controls;
    int m_pointer = PointerDefault;
    bool m_shown = false;
    void (*m_closer)() = nullptr;
};

} // namespace vireka
