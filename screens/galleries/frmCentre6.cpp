#include "frmCentre6.h"

#include "GalleryControls.h"

namespace vireka {

using namespace gallery;

const ControlSpec layout[] = {
    portrait("frmCentre6/Image1.jpg", {120, 120, 2295, 3015}),
    storedText("rtfCentre6", "frmCentre6/rtfCentre6.rtf", {2400, 0, 5055, 3135}, {.back = SystemWindowBackground}),
};

const ScreenSpec frmCentre6::Spec{
    .caption = listedCaption("frmCentre6"), .clientWidth = 7485, .clientHeight = 3165, .backColor = colours::White,
    .controls = layout};

} // namespace vireka
