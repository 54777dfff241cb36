#pragma once

#include "Screen.h"

namespace vireka {

// A featured centre page: the sage's portrait and the ashram's text. It has no behaviour of its own.
class frmCentre9 : public Screen {
    Q_OBJECT
public:
    static constexpr const ScreenSpec &Spec = screenSpec("frmCentre9");
    frmCentre9();
};

} // namespace vireka
