#pragma once

#include <Qt>

class QWidget;

namespace vireka {

struct ScreenSpec;

// The window flags of a screen's row: its title-bar boxes and its kind of window.
Qt::WindowFlags windowFlags(const ScreenSpec &spec);

// False where the row has no maximise box: such a window is never maximised, whatever the window
// manager draws.
bool maximisable(const ScreenSpec &spec);

// Tells an X11 window manager, before the window first maps, what the row allows: the Motif
// functions and decorations, and skip-taskbar with skip-pager where the row has no taskbar button.
// Qt alone hints no decorations at all for a title bar without boxes. Elsewhere it does nothing.
void hintWindowManager(QWidget &window, const ScreenSpec &spec);

} // namespace vireka
