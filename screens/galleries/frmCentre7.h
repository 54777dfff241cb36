#pragma once

#include "Screen.h"

namespace vireka {

// A featured centre page: the president's portrait and the centre's text. It has no behaviour of its own.
class frmCentre7 : public Screen {
    Q_OBJECT
public:
    static const ScreenSpec Spec;
    frmCentre7() : Screen(Spec) {}
};

} // namespace vireka
