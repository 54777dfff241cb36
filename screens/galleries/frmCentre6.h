#pragma once

#include "Screen.h"

namespace vireka {

// A featured centre page: a class series' cartoon and text. It has no behaviour of its own.
class frmCentre6 : public Screen {
    Q_OBJECT
public:
    static const ScreenSpec Spec;
    frmCentre6() : Screen(Spec) {}
};

} // namespace vireka
