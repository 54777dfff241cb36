#pragma once

#include "Screen.h"

namespace vireka {

// A featured centre page: the studio's photograph and text, which its document replaces on loading.
class frmCentre1 : public Screen {
    Q_OBJECT
public:
    static constexpr const ScreenSpec &Spec = screenSpec("frmCentre1");
    frmCentre1();

private slots:
    void Form_Load();
    void lblExit_Click();
};

} // namespace vireka
