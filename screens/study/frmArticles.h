#pragma once

#include "Screen.h"

namespace vireka {

// Ten articles on the theory and practice of yoga, each loaded over the one shown before.
class frmArticles : public Screen {
    Q_OBJECT
public:
    static constexpr const ScreenSpec &Spec = screenSpec("frmArticles");
    static const LinkTable Links;
    frmArticles();

private slots:
    void lblExit_Click();
};

} // namespace vireka
