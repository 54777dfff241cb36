#pragma once

#include "Screen.h"

namespace vireka {

// The photo listings browser: choosing a featured centre, school or teacher opens its page, and the
// browser stays open beneath so that the user can open one page after another.
class frmPhotoListings : public Screen {
    Q_OBJECT
public:
    static const ScreenSpec Spec;
    frmPhotoListings() : Screen(Spec) {}

private slots:
    void lstPhotoListings_Click();
    void lblPhotoListings_Change();
};

} // namespace vireka
