#pragma once

#include "Screen.h"

namespace vireka {

// A featured centre page: a teacher's portrait and her mission's text. It has no behaviour of its own.
class frmCentre8 : public Screen {
    Q_OBJECT
public:
    static const ScreenSpec Spec;
    frmCentre8() : Screen(Spec) {}
};

} // namespace vireka
