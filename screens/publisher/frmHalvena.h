#pragma once

#include "Screen.h"

#include <string>

namespace vireka {

// The promotion of Halvena, the publisher's health reference: a small screenshot, the product text,
// links to two full-size screenshots, and where to order. The screenshot screens stay open when the
// promotion closes.
class frmHalvena : public Screen {
    Q_OBJECT
public:
    static const ScreenSpec Spec;
    // The product text as it is stored: lines ended by CR LF. Edits on screen never reach it.
    static const std::string ProductText;
    // What the order link says, all on one line.
    static const std::string OrderMessage;
    frmHalvena() : Screen(Spec) {}

private slots:
    void lblHalvenaScreen_Click();
    void lblHerbalScreen_Click();
    void lblOrder_Click();
};

} // namespace vireka
