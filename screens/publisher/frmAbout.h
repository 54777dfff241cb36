#pragma once

#include "Screen.h"

namespace vireka {

// The About box: the program, its publisher and how to reach them, the rights notices, and the way to
// the disclaimer. OK (Enter or Escape) only unloads it: its slot stays filled.
class frmAbout : public Screen {
    Q_OBJECT
public:
    static const ScreenSpec Spec;
    frmAbout() : Screen(Spec) {}

private slots:
    void cmdDisclaimer_Click();
};

} // namespace vireka
