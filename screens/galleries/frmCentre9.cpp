#include "frmCentre9.h"

#include "GalleryControls.h"

namespace vireka {

namespace {

using namespace colours;
using namespace gallery;

const ControlSpec layout[] = {
    portrait("frmCentre9/Image1.jpg", 0, 0, 1575, 2415, true),
    storedText("rtfCentre9", "frmCentre9/rtfCentre9.rtf", 1560, 0, 5055, 2415, Black, 2, 0),
};

} // namespace

frmCentre9::frmCentre9() : Screen(Spec, layout) {}

} // namespace vireka
