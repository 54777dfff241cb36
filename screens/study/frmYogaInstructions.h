#pragma once

#include "Screen.h"

namespace vireka {

// The study section on practice: nine topics, each loading its document into one area.
class frmYogaInstructions : public Screen {
    Q_OBJECT
public:
    static constexpr const ScreenSpec &Spec = screenSpec("frmYogaInstructions");
    static const LinkTable Links;
    frmYogaInstructions();

private slots:
    void lblExit_Click();
};

} // namespace vireka
