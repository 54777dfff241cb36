#pragma once

#include "Screen.h"

namespace vireka {

// The About box: the program, its publisher and how to reach them, the rights notices, and the way to
// the disclaimer. OK (Enter or Escape) only unloads it: its slot stays filled.
class frmAbout : public Screen {
    Q_OBJECT
public:
    static constexpr const ScreenSpec &Spec = screenSpec("frmAbout");
    frmAbout();

private slots:
    void cmdOK_Click();
    void cmdDisclaimer_Click();
};

} // namespace vireka
