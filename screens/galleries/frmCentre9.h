#pragma once

#include "Screen.h"

namespace vireka {

// A featured centre page: the sage's portrait and the ashram's text. It has no behaviour of its own.
class frmCentre9 : public Screen {
    Q_OBJECT
public:
    static const ScreenSpec Spec;
    frmCentre9() : Screen(Spec) {}
};

} // namespace vireka
