#include "frmCentre1.h"

#include "GalleryControls.h"
#include "ScreenSlots.h"

namespace vireka {

namespace {

using namespace colours;
using namespace gallery;

const ControlSpec layout[] = {
    {.name = "Picture1", .kind = ControlKind::PictureBox, .left = 120, .top = 480, .width = 4215, .height = 2655,
     .borderStyle = 1, .picture = "frmCentre1/Picture1.bmp", .tabIndex = 0},
    storedText("rtfCentre1", "frmCentre1/rtfCentre1.rtf", 120, 3240, 4215, 1695, Navy, 2, 1),
    {.name = "Label1", .caption = "adho Mukha Svanasana", .left = 120, .top = 120, .width = 2895, .height = 375,
     .foreColor = Yellow, .font = SansBold(12), .transparent = true},
    boxedLink("lblExit", "Exit", 3480, 120, 855, 255, Navy, DarkRed, 8.25, -1),
};

} // namespace

frmCentre1::frmCentre1() : Screen(Spec, layout) {}

void frmCentre1::Form_Load() { loadCentreDocument(*this, "rtfCentre1", "\\Centre1.rtf"); }

void frmCentre1::lblExit_Click() { CloseScreen<frmCentre1>(); }

} // namespace vireka
