#pragma once

#include "Screen.h"

namespace vireka {

// A featured centre page: the president's portrait and the fellowship's text, which its document
// replaces on loading.
class frmCentre4 : public Screen {
    Q_OBJECT
public:
    static const ScreenSpec Spec;
    frmCentre4() : Screen(Spec) {}
};

} // namespace vireka
