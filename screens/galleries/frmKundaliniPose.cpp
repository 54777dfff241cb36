#include "frmKundaliniPose.h"

#include "GalleryControls.h"

namespace vireka {

using namespace colours;
using namespace gallery;

// The credit box has no scroll bars: its stored text is written to fit it.
const ControlSpec layout[] = {
    closeButton({5760, 0, 855, 255}, {.points = 8.25, .tabIndex = 1}),
    storedText("RichTextBox1", "frmKundaliniPose/RichTextBox1.rtf", {2880, 240, 3735, 3615},
               {.back = LightGrey, .scrollBars = ScrollBars::None}),
    photo("Image3", "frmKundaliniPose/Image3.bmp", {0, 0, 2895, 3855}),
};

const ScreenSpec frmKundaliniPose::Spec{
    .caption = "Kundalini Pose", .clientWidth = 6690, .clientHeight = 3945, .backColor = White,
    .buttons = TitleButtons::None, .escape = EscapeRule::EndsProgram, .setsProgramFolder = true, .closedBy = "cmdClose",
    .controls = layout};

} // namespace vireka
