#pragma once

#include "Screen.h"

namespace vireka {

// A featured centre page: a class series' cartoon and text. It has no behaviour of its own.
class frmCentre6 : public Screen {
    Q_OBJECT
public:
    static constexpr const ScreenSpec &Spec = screenSpec("frmCentre6");
    frmCentre6();
};

} // namespace vireka
