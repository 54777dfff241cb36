#include "frmCentre9.h"

#include "GalleryControls.h"

namespace vireka {

using namespace colours;
using namespace gallery;

const ControlSpec layout[] = {
    portrait("frmCentre9/Image1.jpg", {0, 0, 1575, 2415}, Frame::Thin),
    storedText("rtfCentre9", "frmCentre9/rtfCentre9.rtf", {1560, 0, 5055, 2415}, {.back = Black}),
};

const ScreenSpec frmCentre9::Spec{
    .caption = listedCaption("frmCentre9"), .clientWidth = 6705, .clientHeight = 2505, .backColor = Black,
    .controls = layout};

} // namespace vireka
