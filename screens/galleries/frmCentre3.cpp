#include "frmCentre3.h"

#include "DocumentArea.h"
#include "GalleryControls.h"

namespace vireka {

namespace {

using namespace colours;
using namespace gallery;

const ControlSpec layout[] = {
    portrait("frmCentre3/Image1.jpg", 0, 0, 2175, 2775),
    storedText("rtfCentre3", "frmCentre3/rtfCentre3.rtf", 2280, 0, 4095, 2775, Navy, 2, 0),
};

} // namespace

frmCentre3::frmCentre3() : Screen(Spec, layout) {}

// The page's document replaces the stored text when it loads; the folder is the one the photo listings
// made current.
void frmCentre3::Form_Load() { LoadDocument(control<DocumentArea>("rtfCentre3"), QStringLiteral("\\Centre3.rtf")); }

} // namespace vireka
