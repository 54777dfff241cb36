#include "frmCentre7.h"

#include "GalleryControls.h"

namespace vireka {

namespace {

using namespace colours;
using namespace gallery;

const ControlSpec layout[] = {
    portrait("frmCentre7/Image1.jpg", 0, 0, 2295, 3015, true),
    storedText("rtfCentre7", "frmCentre7/rtfCentre7.rtf", 2280, 0, 5295, 3015, Navy, 2, 0),
};

} // namespace

frmCentre7::frmCentre7() : Screen(Spec, layout) {}

} // namespace vireka
