#include "frmDirectory.h"

#include "ScreenSlots.h"
#include "directory/frmCountry.h"
#include "directory/frmSubmit.h"
#include "directory/frmTradition.h"
#include "galleries/frmPhotoListings.h"

namespace vireka {

using namespace colours;

// The runs of 12 and 14 spaces belong to the caption: they put each sentence on a line of its own.
const ControlSpec layout[] = {
    {.name = "Label1", .caption = "INTERNATIONAL YOGA DIRECTORY", .left = 1800, .top = 0, .width = 6375,
     .height = 375, .foreColor = Navy, .font = {"Times New Roman", 17.25, true}, .transparent = true,
     .alignment = Align::Centre, .wordWrap = true},
    {.name = "Image1", .kind = ControlKind::Image, .left = 0, .top = 240, .width = 1755, .height = 2685,
     .stretch = true, .picture = "frmDirectory/Image1.jpg"},
    {.name = "lblSubmit", .caption = "Submit your listing", .left = 3600, .top = 480, .width = 2295, .height = 375,
     .backColor = Blue, .foreColor = White, .font = SansBold(12), .borderStyle = 1},
    {.name = "Label2",
     .caption = "Your Guide to Yoga Centers, Classes, Teachers, Certificates,            Programs, Retreats, "
                "and Yoga Associations.              Sorted by Country and Yoga Tradition.",
     .left = 2280, .top = 960, .width = 5295, .height = 735, .foreColor = Navy, .font = SansBold(8.25),
     .transparent = true, .alignment = Align::Centre, .wordWrap = true},
    {.name = "Label3", .caption = "Or, browse through the Gallery", .left = 3600, .top = 1560, .width = 2655,
     .height = 255, .foreColor = Navy, .font = SansBold(8.25), .transparent = true},
    boxedLink("Tradition", "YOGA TRADITION", {3480, 2040, 2895, 375}, {.back = Navy, .fore = White, .points = 13.5}),
    boxedLink("lblPhoto", "PHOTO", {3480, 2520, 1215, 375}, {.back = Navy, .fore = White, .points = 13.5}),
    boxedLink("lblCountry", "COUNTRY", {4800, 2520, 1575, 375}, {.back = Navy, .fore = White, .points = 13.5}),
    boxedLink("lblExit", "EXIT", {6960, 2520, 975, 375}, {.back = Blue, .fore = Red, .points = 12}),
};

const ScreenSpec frmDirectory::Spec{
    .caption = "Yoga Directory", .clientWidth = 8145, .clientHeight = 3120, .backColor = LightCyan, .programIcon = true,
    .escape = EscapeRule::EndsProgram, .setsProgramFolder = true, .mousePointer = PointerCustom, .closedBy = "lblExit",
    .controls = layout};

void frmDirectory::Tradition_Click() { OpenScreen<frmTradition>(); }
void frmDirectory::lblCountry_Click() { OpenScreen<frmCountry>(); }
void frmDirectory::lblSubmit_Click() { OpenScreen<frmSubmit>(); }

// PHOTO hands the hub over to the photo listings browser.
void frmDirectory::lblPhoto_Click()
{
    OpenScreen<frmPhotoListings>();
    CloseScreen<frmDirectory>();
}

void frmDirectory::Form_MouseMove() { resetPointer(); }
void frmDirectory::Image1_MouseMove() { resetPointer(); }

// The custom cursor shows only until the mouse first crosses the background or the picture; nothing
// sets it again while the hub stays loaded.
void frmDirectory::resetPointer()
{
    if (mousePointer() == PointerCustom)
        setMousePointer(PointerDefault);
}

} // namespace vireka
