#pragma once

#include "Screen.h"

namespace vireka {

// An asana photo page: four basic postures from a yoga centre, with its details.
class zavOdudo : public Screen {
    Q_OBJECT
public:
    static const ScreenSpec Spec;
    zavOdudo() : Screen(Spec) {}
};

} // namespace vireka
