#include "frmCentre1.h"

#include "GalleryControls.h"

namespace vireka {

using namespace colours;
using namespace gallery;

const ControlSpec layout[] = {
    {.name = "Picture1", .kind = ControlKind::PictureBox, .left = 120, .top = 480, .width = 4215, .height = 2655,
     .borderStyle = 1, .picture = "frmCentre1/Picture1.bmp", .tabIndex = 0},
    storedText("rtfCentre1", "frmCentre1/rtfCentre1.rtf", {120, 3240, 4215, 1695}, {.back = Navy, .tabIndex = 1}),
    {.name = "Label1", .caption = "adho Mukha Svanasana", .left = 120, .top = 120, .width = 2895, .height = 375,
     .foreColor = Yellow, .font = SansBold(12), .transparent = true},
    boxedLink("lblExit", "Exit", {3480, 120, 855, 255}, {.back = Navy, .fore = DarkRed, .points = 8.25}),
};

const ScreenSpec frmCentre1::Spec{
    .caption = listedCaption("frmCentre1"), .clientWidth = 4440, .clientHeight = 5055, .backColor = Black,
    .closedBy = "lblExit", .controls = layout, .opens = {"rtfCentre1", "\\Centre1.rtf"}};

} // namespace vireka
