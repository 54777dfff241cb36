#include "frmZovazir1.h"

#include "DirectoryNames.h"
#include "GalleryControls.h"

namespace vireka {

using namespace colours;
using namespace gallery;

constexpr CourtesyCaption courtesy = photosCourtesyOf(directory::featuredForPage("frmZovazir1").name);

// Close holds the focus when the page opens, so Enter closes it at once.
const ControlSpec layout[] = {
    closeButton({8400, 0, 975, 375}, {.points = 9.75, .tabIndex = 0}),
    storedText("RichTextBox1", "frmZovazir1/RichTextBox1.rtf", {3480, 360, 5895, 4095},
               {.back = SystemWindowBackground, .tabIndex = 1}),
    blackCaption("Label1", courtesy.text, {3480, 0, 4935, 375}, 12),
    photo("Image8", "frmZovazir1/Image8.bmp", {0, 0, 1575, 1935}),
    blackCaption("Label4", "Biuttan", {0, 2040, 1575, 495}, 9.75),
    photo("Image6", "frmZovazir1/Image6.bmp", {1560, 0, 1935, 1935}),
    blackCaption("Label2", "Eka Pada Rajakapotasana", {1560, 2040, 1815, 495}, 8.25),
    photo("Image7", "frmZovazir1/Image7.bmp", {240, 2640, 3015, 1335}),
    blackCaption("Label3", "Bipjanu", {840, 4080, 1815, 375}, 9.75),
};

const ScreenSpec frmZovazir1::Spec{
    .caption = listedCaption("frmZovazir1"), .clientWidth = 9480, .clientHeight = 4530, .backColor = White,
    .buttons = TitleButtons::None, .escape = EscapeRule::EndsProgram, .setsProgramFolder = true, .closedBy = "cmdClose",
    .controls = layout};

} // namespace vireka
