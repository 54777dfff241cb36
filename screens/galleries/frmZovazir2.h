#pragma once

#include "Screen.h"

namespace vireka {

// The second photo page of the yoga school: three more postures and the same account.
class frmZovazir2 : public Screen {
    Q_OBJECT
public:
    static const ScreenSpec Spec;
    frmZovazir2() : Screen(Spec) {}
};

} // namespace vireka
