#pragma once

#include "Screen.h"

namespace vireka {

// A featured centre page: the president's portrait and the fellowship's text, which its document
// replaces on loading.
class frmCentre4 : public Screen {
    Q_OBJECT
public:
    static constexpr const ScreenSpec &Spec = screenSpec("frmCentre4");
    frmCentre4();

private slots:
    void Form_Load();
};

} // namespace vireka
