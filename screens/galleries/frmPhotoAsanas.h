#pragma once

#include "Screen.h"

namespace vireka {

// The asana photo browser: choosing a posture shows its photograph, loaded from the program folder,
// and the credit line of whoever supplied it.
class frmPhotoAsanas : public Screen {
    Q_OBJECT
public:
    static const ScreenSpec Spec;
    frmPhotoAsanas() : Screen(Spec) {}

private slots:
    void lstAsanas_Click();
    void lblAsanas_Change();
};

} // namespace vireka
