#pragma once

#include "Screen.h"

#include <string>

namespace vireka {

// A fixed notice on how to hear of upgrades. Its text box is editable, but nothing keeps an edit: the
// next opening shows the notice again. Closed with the close box.
class frmUpgrade : public Screen {
    Q_OBJECT
public:
    static const ScreenSpec Spec;
    // The notice as it is stored: seven lines, each ended by CR LF, centred by hand with spaces.
    static const std::string Notice;
    frmUpgrade() : Screen(Spec) {}
};

} // namespace vireka
