#include "frmCentre5.h"

#include "GalleryControls.h"

namespace vireka {

using namespace colours;
using namespace gallery;

const ControlSpec layout[] = {
    portrait("frmCentre5/Image1.jpg", {0, 0, 2055, 2655}),
    storedText("rftCentre5", "frmCentre5/rftCentre5.rtf", {2160, 0, 4335, 2655}, {.back = Grey}),
};

const ScreenSpec frmCentre5::Spec{
    .caption = listedCaption("frmCentre5"), .clientWidth = 6555, .clientHeight = 2760, .backColor = Grey,
    .controls = layout, .opens = {"rftCentre5", "\\Centre5.rtf"}};

} // namespace vireka
