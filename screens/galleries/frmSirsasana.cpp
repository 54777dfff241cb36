#include "frmSirsasana.h"

#include "GalleryControls.h"
#include "ScreenSlots.h"

namespace vireka {

namespace {

using namespace colours;
using namespace gallery;

// The credit box has no scroll bars: its stored text is written to fit it.
const ControlSpec layout[] = {
    closeButton(5880, 855, 255, 8.25, 1, KindDefault),
    storedText("RichTextBox1", "frmSirsasana/RichTextBox1.rtf", 3000, 240, 3735, 4695, BrightBlue, 0, 0),
    photo("Image1", "frmSirsasana/Image1.bmp", 0, 0, 3015, 4935),
};

} // namespace

frmSirsasana::frmSirsasana() : Screen(Spec, layout) {}

void frmSirsasana::cmdClose_Click() { CloseScreen<frmSirsasana>(); }

} // namespace vireka
