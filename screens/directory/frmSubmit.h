#pragma once

#include "Screen.h"

namespace vireka {

// The notice on how a centre gets listed: one editable text box holding the stored notice. It has no
// close control of its own; the close box or Escape ends it.
class frmSubmit : public Screen {
    Q_OBJECT
public:
    static const ScreenSpec Spec;
    frmSubmit() : Screen(Spec) {}
};

} // namespace vireka
