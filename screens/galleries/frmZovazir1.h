#pragma once

#include "Screen.h"

namespace vireka {

// The first photo page of the yoga school: three postures and the school's own account.
class frmZovazir1 : public Screen {
    Q_OBJECT
public:
    static constexpr const ScreenSpec &Spec = screenSpec("frmZovazir1");
    frmZovazir1();

private slots:
    void cmdClose_Click();
};

} // namespace vireka
