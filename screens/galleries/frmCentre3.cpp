#include "frmCentre3.h"

#include "GalleryControls.h"

namespace vireka {

using namespace colours;
using namespace gallery;

const ControlSpec layout[] = {
    portrait("frmCentre3/Image1.jpg", {0, 0, 2175, 2775}),
    storedText("rtfCentre3", "frmCentre3/rtfCentre3.rtf", {2280, 0, 4095, 2775}, {.back = Navy}),
};

const ScreenSpec frmCentre3::Spec{
    .caption = listedCaption("frmCentre3"), .clientWidth = 6390, .clientHeight = 2895, .backColor = Grey,
    .controls = layout, .opens = {"rtfCentre3", "\\Centre3.rtf"}};

} // namespace vireka
