#pragma once

#include "Screen.h"

namespace vireka {

// The listings by country: ten country links, each loading its listing into the one area.
class frmCountry : public Screen {
    Q_OBJECT
public:
    static constexpr const ScreenSpec &Spec = screenSpec("frmCountry");
    static const LinkTable Links;
    frmCountry();

private slots:
    void lblSubmit_Click();
    void lblExit_Click();
};

} // namespace vireka
