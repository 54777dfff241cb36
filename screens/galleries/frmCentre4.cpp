#include "frmCentre4.h"

#include "DocumentArea.h"
#include "GalleryControls.h"

namespace vireka {

namespace {

using namespace colours;
using namespace gallery;

const ControlSpec layout[] = {
    portrait("frmCentre4/Image1.jpg", 0, 0, 1815, 2415),
    storedText("rtfCentre4", "frmCentre4/rtfCentre4.rtf", 1920, 0, 4455, 2415, Grey, 2, 0),
};

} // namespace

frmCentre4::frmCentre4() : Screen(Spec, layout) {}

// The page's document replaces the stored text when it loads; the folder is the one the photo listings
// made current.
void frmCentre4::Form_Load() { LoadDocument(control<DocumentArea>("rtfCentre4"), QStringLiteral("\\Centre4.rtf")); }

} // namespace vireka
