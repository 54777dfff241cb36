#pragma once

#include "Screen.h"

namespace vireka {

// A featured centre page: an institute's four postures with their legend, and its text, which its
// document replaces on loading.
class frmCentre2 : public Screen {
    Q_OBJECT
public:
    static const ScreenSpec Spec;
    frmCentre2() : Screen(Spec) {}
};

} // namespace vireka
