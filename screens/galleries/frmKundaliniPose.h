#pragma once

#include "Screen.h"

namespace vireka {

// An asana photo page: the Kundalini centre's photograph and its credit box.
class frmKundaliniPose : public Screen {
    Q_OBJECT
public:
    static const ScreenSpec Spec;
    frmKundaliniPose() : Screen(Spec) {}
};

} // namespace vireka
