#pragma once

#include "Screen.h"

namespace vireka {

// The herb listing of the companion program at full size, on light yellow.
// Closed with the close box; it stays open when the promotion closes.
class frmHerbsScreen : public Screen {
    Q_OBJECT
public:
    static const ScreenSpec Spec;
    frmHerbsScreen() : Screen(Spec) {}
};

} // namespace vireka
