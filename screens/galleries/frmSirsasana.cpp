#include "frmSirsasana.h"

#include "GalleryControls.h"

namespace vireka {

using namespace colours;
using namespace gallery;

// The credit box has no scroll bars: its stored text is written to fit it.
const ControlSpec layout[] = {
    closeButton({5880, 0, 855, 255}, {.points = 8.25, .tabIndex = 1, .back = KindDefault}),
    storedText("RichTextBox1", "frmSirsasana/RichTextBox1.rtf", {3000, 240, 3735, 4695},
               {.back = BrightBlue, .scrollBars = ScrollBars::None}),
    photo("Image1", "frmSirsasana/Image1.bmp", {0, 0, 3015, 4935}),
};

const ScreenSpec frmSirsasana::Spec{
    .caption = "Sirsasana - Headstand - Kopfstand", .clientWidth = 6750, .clientHeight = 4935, .backColor = Black,
    .buttons = TitleButtons::None, .escape = EscapeRule::EndsProgram, .setsProgramFolder = true, .closedBy = "cmdClose",
    .controls = layout};

} // namespace vireka
