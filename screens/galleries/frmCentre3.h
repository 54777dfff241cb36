#pragma once

#include "Screen.h"

namespace vireka {

// A featured centre page: a teacher's portrait and text, which her document replaces on loading.
class frmCentre3 : public Screen {
    Q_OBJECT
public:
    static constexpr const ScreenSpec &Spec = screenSpec("frmCentre3");
    frmCentre3();

private slots:
    void Form_Load();
};

} // namespace vireka
