#include "WindowHints.h"

#include "ScreenSpec.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace vireka {

namespace {

// The Motif window-manager hints as window managers read them: five 32-bit fields.
struct MotifHints {
    quint32 flags = 0, functions = 0, decorations = 0;
    qint32 inputMode = 0;
    quint32 status = 0;
};

enum : quint32 { HintFunctions = 1, HintDecorations = 2 };
enum : quint32 { FunctionResize = 2, FunctionMove = 4, FunctionMinimise = 8, FunctionMaximise = 16, FunctionClose = 32 };
enum : quint32 {
    DecorBorder = 2, DecorResizeHandle = 4, DecorTitle = 8, DecorMenu = 16, DecorMinimise = 32, DecorMaximise = 64
};

MotifHints motifHints(const ScreenSpec &spec)
{
    MotifHints hints;
    hints.flags = HintFunctions | HintDecorations;
    hints.functions = FunctionMove;
    hints.decorations = DecorBorder | DecorTitle;
    if (spec.border == Border::Sizable) {
        hints.functions |= FunctionResize;
        hints.decorations |= DecorResizeHandle;
    }
    if (spec.buttons != TitleButtons::None) {
        hints.functions |= FunctionClose;
        hints.decorations |= DecorMenu;
    }
    if (spec.buttons == TitleButtons::All) {
        hints.functions |= FunctionMinimise | FunctionMaximise;
        hints.decorations |= DecorMinimise | DecorMaximise;
    }
    return hints;
}

xcb_atom_t atomNamed(xcb_connection_t *x, const char *name)
{
    xcb_intern_atom_reply_t *reply =
        xcb_intern_atom_reply(x, xcb_intern_atom(x, false, quint16(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

} // namespace

Qt::WindowFlags windowFlags(const ScreenSpec &spec)
{
    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    flags |= spec.border == Border::FixedDialog ? Qt::Dialog : Qt::Window;
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

bool maximisable(const ScreenSpec &spec)
{
    return spec.buttons == TitleButtons::All;
}

void hintWindowManager(QWidget &window, const ScreenSpec &spec)
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *x = x11 ? x11->connection() : nullptr;
    if (!x)
        return;
    const xcb_window_t id = xcb_window_t(window.winId()); // creates the window; Qt has hinted by then

    const xcb_atom_t motif = atomNamed(x, "_MOTIF_WM_HINTS");
    const MotifHints hints = motifHints(spec);
    xcb_change_property(x, XCB_PROP_MODE_REPLACE, id, motif, motif, 32, sizeof hints / 4, &hints);

    if (!spec.showInTaskbar) {
        // Qt merges these with the states it sets itself when the window maps.
        const xcb_atom_t state = atomNamed(x, "_NET_WM_STATE");
        for (const char *skip : {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"}) {
            const xcb_atom_t atom = atomNamed(x, skip);
            xcb_change_property(x, XCB_PROP_MODE_APPEND, id, state, XCB_ATOM_ATOM, 32, 1, &atom);
        }
    }
    xcb_flush(x);
}

} // namespace vireka
