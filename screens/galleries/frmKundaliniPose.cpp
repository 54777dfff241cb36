#include "frmKundaliniPose.h"

#include "GalleryControls.h"
#include "ScreenSlots.h"

namespace vireka {

namespace {

using namespace colours;
using namespace gallery;

// The credit box has no scroll bars: its stored text is written to fit it.
const ControlSpec layout[] = {
    closeButton(5760, 855, 255, 8.25, 1),
    storedText("RichTextBox1", "frmKundaliniPose/RichTextBox1.rtf", 2880, 240, 3735, 3615, LightGrey, 0, 0),
    photo("Image3", "frmKundaliniPose/Image3.bmp", 0, 0, 2895, 3855),
};

} // namespace

frmKundaliniPose::frmKundaliniPose() : Screen(Spec, layout) {}

void frmKundaliniPose::cmdClose_Click() { CloseScreen<frmKundaliniPose>(); }

} // namespace vireka
