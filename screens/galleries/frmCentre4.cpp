#include "frmCentre4.h"

#include "GalleryControls.h"

namespace vireka {

namespace {

using namespace colours;
using namespace gallery;

const ControlSpec layout[] = {
    portrait("frmCentre4/Image1.jpg", 0, 0, 1815, 2415),
    storedText("rtfCentre4", "frmCentre4/rtfCentre4.rtf", 1920, 0, 4455, 2415, Grey, 2, 0),
};

} // namespace

frmCentre4::frmCentre4() : Screen(Spec, layout) {}

void frmCentre4::Form_Load() { loadCentreDocument(*this, "rtfCentre4", "\\Centre4.rtf"); }

} // namespace vireka
