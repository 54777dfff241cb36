#pragma once

#include "Screen.h"

namespace vireka {

// An asana photo page: the Kundalini centre's photograph and its credit box.
class frmKundaliniPose : public Screen {
    Q_OBJECT
public:
    static constexpr const ScreenSpec &Spec = screenSpec("frmKundaliniPose");
    frmKundaliniPose();

private slots:
    void cmdClose_Click();
};

} // namespace vireka
