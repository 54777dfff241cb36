#pragma once

#include "Screen.h"

namespace vireka {

class ImageControl;
class LabelControl;

// The asana photo browser: choosing a posture shows its photograph, loaded from the program folder,
// and the credit line of whoever supplied it.
class frmPhotoAsanas : public Screen {
    Q_OBJECT
public:
    frmPhotoAsanas();

    ImageControl *Image1() const;
    LabelControl *lblCourtesy() const;
    LabelControl *lblAsanas() const;

protected:
    void connectHandlers() override;

private:
    static const Handler<frmPhotoAsanas> handlers[];

    void lstAsanas_Click();
    void lblAsanas_Change();
    void lblExit_Click();
};

} // namespace vireka
