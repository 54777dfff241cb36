#pragma once

#include "Screen.h"

namespace vireka {

// The book sampler of Tesmara: its cover, description and vital data, and seven links that empty the
// area before loading, so that a document that fails to load leaves it blank.
class frmTesmara : public Screen {
    Q_OBJECT
public:
    static const ScreenSpec Spec;
    frmTesmara() : Screen(Spec) {}
};

} // namespace vireka
