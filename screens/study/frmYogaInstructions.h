#pragma once

#include "Screen.h"

namespace vireka {

// The study section on practice: nine topics, each loading its document into one area.
class frmYogaInstructions : public Screen {
    Q_OBJECT
public:
    static const ScreenSpec Spec;
    frmYogaInstructions() : Screen(Spec) {}
};

} // namespace vireka
