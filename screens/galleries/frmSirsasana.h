#pragma once

#include "Screen.h"

namespace vireka {

// An asana photo page: a teacher's headstand and his credit box.
class frmSirsasana : public Screen {
    Q_OBJECT
public:
    static constexpr const ScreenSpec &Spec = screenSpec("frmSirsasana");
    frmSirsasana();

private slots:
    void cmdClose_Click();
};

} // namespace vireka
