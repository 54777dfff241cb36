#pragma once

#include "Screen.h"

namespace vireka {

// The Halvena screenshot: the companion program's main window at full size, on light yellow.
// Closed with the close box; it stays open when the promotion closes.
class frmHalvenaScreen : public Screen {
    Q_OBJECT
public:
    static const ScreenSpec Spec;
    frmHalvenaScreen() : Screen(Spec) {}
};

} // namespace vireka
