#include "frmCentre7.h"

#include "GalleryControls.h"

namespace vireka {

using namespace colours;
using namespace gallery;

const ControlSpec layout[] = {
    portrait("frmCentre7/Image1.jpg", {0, 0, 2295, 3015}, Frame::Thin),
    storedText("rtfCentre7", "frmCentre7/rtfCentre7.rtf", {2280, 0, 5295, 3015}, {.back = Navy}),
};

const ScreenSpec frmCentre7::Spec{
    .caption = listedCaption("frmCentre7"), .clientWidth = 7620, .clientHeight = 3090, .backColor = DarkGrey,
    .controls = layout};

} // namespace vireka
