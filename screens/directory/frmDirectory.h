#pragma once

#include "Screen.h"

namespace vireka {

// The entry to the directory of centres: links to the listings by tradition and by country, the
// photo listings and the notice on getting listed. It opens with the custom cursor, which gives way
// to the default pointer for good once the mouse crosses its background or picture.
class frmDirectory : public Screen {
    Q_OBJECT
public:
    static const ScreenSpec Spec;
    frmDirectory() : Screen(Spec) {}

private slots:
    void Tradition_Click();
    void lblCountry_Click();
    void lblSubmit_Click();
    void lblPhoto_Click();
    void Form_MouseMove();
    void Image1_MouseMove();

private:
    void resetPointer();
};

} // namespace vireka
