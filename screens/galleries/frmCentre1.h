#pragma once

#include "Screen.h"

namespace vireka {

// A featured centre page: the studio's photograph and text, which its document replaces on loading.
class frmCentre1 : public Screen {
    Q_OBJECT
public:
    static const ScreenSpec Spec;
    frmCentre1() : Screen(Spec) {}
};

} // namespace vireka
