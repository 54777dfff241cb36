#include "frmCentre4.h"

#include "GalleryControls.h"

namespace vireka {

using namespace colours;
using namespace gallery;

const ControlSpec layout[] = {
    portrait("frmCentre4/Image1.jpg", {0, 0, 1815, 2415}),
    storedText("rtfCentre4", "frmCentre4/rtfCentre4.rtf", {1920, 0, 4455, 2415}, {.back = Grey}),
};

const ScreenSpec frmCentre4::Spec{
    .caption = listedCaption("frmCentre4"), .clientWidth = 6435, .clientHeight = 2490, .backColor = DarkGrey,
    .controls = layout, .opens = {"rtfCentre4", "\\Centre4.rtf"}};

} // namespace vireka
