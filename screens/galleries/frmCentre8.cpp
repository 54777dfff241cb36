#include "frmCentre8.h"

#include "GalleryControls.h"

namespace vireka {

using namespace gallery;

const ControlSpec layout[] = {
    portrait("frmCentre8/Image1.jpg", {0, 0, 2295, 3135}),
    storedText("rftCentre8", "frmCentre8/rftCentre8.rtf", {2280, 0, 5295, 3135}, {.back = SystemWindowBackground}),
};

const ScreenSpec frmCentre8::Spec{
    .caption = listedCaption("frmCentre8"), .clientWidth = 7680, .clientHeight = 3195, .backColor = colours::White,
    .controls = layout};

} // namespace vireka
