#include "frmCentre2.h"

#include "GalleryControls.h"

namespace vireka {

using namespace colours;
using namespace gallery;

// A posture's name written over (or under) its photograph, in bold on a transparent ground.
static constexpr ControlSpec postureName(const char *name, const char *caption, Rect at, Colour fore,
                                         Align alignment = Align::Left)
{
    return {.name = name, .caption = caption, .left = at.left, .top = at.top, .width = at.width, .height = at.height,
            .foreColor = fore, .font = SansBold(9.75), .transparent = true, .alignment = alignment};
}

// A photograph shown at its own size, which is its control's.
static constexpr ControlSpec posture(const char *name, const char *picture, int left, int width, int height)
{
    return {.name = name, .kind = ControlKind::Image, .left = left, .top = 0, .width = width, .height = height,
            .picture = picture};
}

// Topmost first: the captions lie over the photographs, and each photograph over the one to its left.
const ControlSpec layout[] = {
    postureName("Label1", "TRIKONA", {1080, 2880, 1095, 375}, KindDefault),
    postureName("Label2", "HALASANA", {2760, 1440, 1335, 255}, Black),
    postureName("Label3", "Urdhva Dandasana", {4440, 2520, 2055, 255}, OliveYellow, Align::Centre),
    postureName("Label4", "Sarvangasana", {6600, 2880, 1575, 255}, OliveYellow),
    {.name = "Label5", .caption = "Trikona/Triangle Halasana/Plow LowHeadstand Shoulderstand", .left = 2640,
     .top = 1920, .width = 1575, .height = 855, .backColor = Navy, .foreColor = White, .font = SansBold(8.25),
     .borderStyle = 1},
    boxedLink("lblExit", "EXIT", {7320, 0, 735, 375}, {.back = Navy, .fore = Red, .points = 12}),
    posture("Image4", "frmCentre2/Image4.jpg", 6600, 1515, 3240),
    posture("Image3", "frmCentre2/Image3.jpg", 4440, 2205, 2925),
    posture("Image2", "frmCentre2/Image2.jpg", 1800, 2700, 1380),
    posture("Image1", "frmCentre2/Image1.jpg", 0, 2475, 3555),
    storedText("rtfCentre2", "frmCentre2/rtfCentre2.rtf", {0, 3120, 8175, 2175}, {.back = Navy, .tabIndex = 6}),
};

const ScreenSpec frmCentre2::Spec{
    .caption = listedCaption("frmCentre2"), .clientWidth = 8130, .clientHeight = 5430, .backColor = Olive,
    .closedBy = "lblExit", .controls = layout, .opens = {"rtfCentre2", "\\Centre2.rtf"}};

} // namespace vireka
