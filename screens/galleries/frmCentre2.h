#pragma once

#include "Screen.h"

namespace vireka {

// A featured centre page: an institute's four postures with their legend, and its text, which its
// document replaces on loading.
class frmCentre2 : public Screen {
    Q_OBJECT
public:
    static constexpr const ScreenSpec &Spec = screenSpec("frmCentre2");
    frmCentre2();

private slots:
    void Form_Load();
    void lblExit_Click();
};

} // namespace vireka
