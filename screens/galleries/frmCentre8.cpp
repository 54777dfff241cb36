#include "frmCentre8.h"

#include "GalleryControls.h"

namespace vireka {

namespace {

using namespace gallery;

const ControlSpec layout[] = {
    portrait("frmCentre8/Image1.jpg", 0, 0, 2295, 3135),
    storedText("rftCentre8", "frmCentre8/rftCentre8.rtf", 2280, 0, 5295, 3135, SystemWindowBackground, 2, 0),
};

} // namespace

frmCentre8::frmCentre8() : Screen(Spec, layout) {}

} // namespace vireka
