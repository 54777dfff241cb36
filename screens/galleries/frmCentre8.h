#pragma once

#include "Screen.h"

namespace vireka {

// A featured centre page: a teacher's portrait and her mission's text. It has no behaviour of its own.
class frmCentre8 : public Screen {
    Q_OBJECT
public:
    static constexpr const ScreenSpec &Spec = screenSpec("frmCentre8");
    frmCentre8();
};

} // namespace vireka
