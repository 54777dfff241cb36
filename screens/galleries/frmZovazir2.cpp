#include "frmZovazir2.h"

#include "DirectoryNames.h"
#include "GalleryControls.h"

namespace vireka {

using namespace colours;
using namespace gallery;

constexpr CourtesyCaption courtesy = photosCourtesyOf(directory::featuredForPage("frmZovazir2").name);

const ControlSpec layout[] = {
    blackCaption("Label1", courtesy.text, {0, 0, 4935, 375}, 12),
    closeButton({4920, 0, 975, 375}, {.points = 9.75, .tabIndex = 1}),
    storedText("RichTextBox1", "frmZovazir2/RichTextBox1.rtf", {0, 3000, 5895, 2775},
               {.back = SystemWindowBackground, .tabIndex = 2}),
    photo("Image13", "frmZovazir2/Image13.bmp", {0, 480, 2175, 2175}),
    blackCaption("Label2", "Bakasana", {0, 2640, 2175, 375}, 9.75),
    photo("Image15", "frmZovazir2/Image15.bmp", {2160, 360, 1815, 2295}),
    blackCaption("Label3", "Vamadevasana", {2160, 2640, 1815, 375}, 9.75),
    photo("Image14", "frmZovazir2/Image14.bmp", {3960, 480, 1935, 2175}),
    blackCaption("Label4", "Natarajasana", {3960, 2640, 1935, 375}, 9.75),
};

const ScreenSpec frmZovazir2::Spec{
    .caption = listedCaption("frmZovazir2"), .clientWidth = 5955, .clientHeight = 5880, .backColor = LightGrey,
    .buttons = TitleButtons::None, .escape = EscapeRule::EndsProgram, .setsProgramFolder = true, .closedBy = "cmdClose",
    .controls = layout};

} // namespace vireka
