#pragma once

#include "Screen.h"

namespace vireka {

// A featured centre page: a teacher's portrait and text, which her document replaces on loading.
class frmCentre5 : public Screen {
    Q_OBJECT
public:
    static const ScreenSpec Spec;
    frmCentre5() : Screen(Spec) {}
};

} // namespace vireka
