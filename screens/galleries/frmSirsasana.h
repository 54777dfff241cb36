#pragma once

#include "Screen.h"

namespace vireka {

// An asana photo page: a teacher's headstand and his credit box.
class frmSirsasana : public Screen {
    Q_OBJECT
public:
    static const ScreenSpec Spec;
    frmSirsasana() : Screen(Spec) {}
};

} // namespace vireka
