#pragma once

#include "Screen.h"

namespace vireka {

// The listings by style of yoga: 25 style links, each loading its listing into the one area, and a
// link that hands over to the listings by country.
class frmTradition : public Screen {
    Q_OBJECT
public:
    static const ScreenSpec Spec;
    frmTradition() : Screen(Spec) {}

private slots:
    void lblCountry_Click();
    void lblSubmit_Click();
};

} // namespace vireka
