#pragma once

#include "Screen.h"

namespace vireka {

// Ten articles on the theory and practice of yoga, each loaded over the one shown before.
class frmArticles : public Screen {
    Q_OBJECT
public:
    static const ScreenSpec Spec;
    frmArticles() : Screen(Spec) {}
};

} // namespace vireka
