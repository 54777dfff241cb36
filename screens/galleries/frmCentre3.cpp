#include "frmCentre3.h"

#include "GalleryControls.h"

namespace vireka {

namespace {

using namespace colours;
using namespace gallery;

const ControlSpec layout[] = {
    portrait("frmCentre3/Image1.jpg", 0, 0, 2175, 2775),
    storedText("rtfCentre3", "frmCentre3/rtfCentre3.rtf", 2280, 0, 4095, 2775, Navy, 2, 0),
};

} // namespace

frmCentre3::frmCentre3() : Screen(Spec, layout) {}

void frmCentre3::Form_Load() { loadCentreDocument(*this, "rtfCentre3", "\\Centre3.rtf"); }

} // namespace vireka
