#pragma once

#include "Screen.h"

namespace vireka {

// The listings by country: ten country links, each loading its listing into the one area.
class frmCountry : public Screen {
    Q_OBJECT
public:
    static const ScreenSpec Spec;
    frmCountry() : Screen(Spec) {}

private slots:
    void lblSubmit_Click();
};

} // namespace vireka
