#include "frmZovazir1.h"

#include "DirectoryNames.h"
#include "GalleryControls.h"
#include "ScreenSlots.h"

namespace vireka {

namespace {

using namespace colours;
using namespace gallery;

constexpr CourtesyCaption courtesy = photosCourtesyOf(directory::featuredForPage("frmZovazir1").name);

// Close holds the focus when the page opens, so Enter closes it at once.
const ControlSpec layout[] = {
    closeButton(8400, 975, 375, 9.75, 0),
    storedText("RichTextBox1", "frmZovazir1/RichTextBox1.rtf", 3480, 360, 5895, 4095, SystemWindowBackground, 2, 1),
    blackCaption("Label1", courtesy.text, 3480, 0, 4935, 375, 12),
    photo("Image8", "frmZovazir1/Image8.bmp", 0, 0, 1575, 1935),
    blackCaption("Label4", "Biuttan", 0, 2040, 1575, 495, 9.75),
    photo("Image6", "frmZovazir1/Image6.bmp", 1560, 0, 1935, 1935),
    blackCaption("Label2", "Eka Pada Rajakapotasana", 1560, 2040, 1815, 495, 8.25),
    photo("Image7", "frmZovazir1/Image7.bmp", 240, 2640, 3015, 1335),
    blackCaption("Label3", "Bipjanu", 840, 4080, 1815, 375, 9.75),
};

} // namespace

frmZovazir1::frmZovazir1() : Screen(Spec, layout) {}

void frmZovazir1::cmdClose_Click() { CloseScreen<frmZovazir1>(); }

} // namespace vireka
