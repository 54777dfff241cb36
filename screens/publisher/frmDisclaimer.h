#pragma once

#include "Screen.h"

namespace vireka {

// The two legal pages, one at a time: NextPage always shows page two and Back page one, each
// emptied first and shown from the top; the pager keeps no page number.
class frmDisclaimer : public Screen {
    Q_OBJECT
public:
    static const ScreenSpec Spec;
    frmDisclaimer() : Screen(Spec) {}

private slots:
    void mnuNextPage_Click();
    void mnuBack_Click();

private:
    void showPage(const char *file);
};

} // namespace vireka
