#pragma once

#include "Screen.h"

namespace vireka {

// The first photo page of the yoga school: three postures and the school's own account.
class frmZovazir1 : public Screen {
    Q_OBJECT
public:
    static const ScreenSpec Spec;
    frmZovazir1() : Screen(Spec) {}
};

} // namespace vireka
