#include "frmCentre5.h"

#include "GalleryControls.h"

namespace vireka {

namespace {

using namespace colours;
using namespace gallery;

const ControlSpec layout[] = {
    portrait("frmCentre5/Image1.jpg", 0, 0, 2055, 2655),
    storedText("rftCentre5", "frmCentre5/rftCentre5.rtf", 2160, 0, 4335, 2655, Grey, 2, 0),
};

} // namespace

frmCentre5::frmCentre5() : Screen(Spec, layout) {}

void frmCentre5::Form_Load() { loadCentreDocument(*this, "rftCentre5", "\\Centre5.rtf"); }

} // namespace vireka
