#pragma once

#include "Screen.h"

namespace vireka {

// The second photo page of the yoga school: three more postures and the same account.
class frmZovazir2 : public Screen {
    Q_OBJECT
public:
    static constexpr const ScreenSpec &Spec = screenSpec("frmZovazir2");
    frmZovazir2();

private slots:
    void cmdClose_Click();
};

} // namespace vireka
