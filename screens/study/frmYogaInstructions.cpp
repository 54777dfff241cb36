#include "frmYogaInstructions.h"

#include "ScreenSlots.h"

namespace vireka {

namespace {

using namespace colours;

// A topic link of the column: navy box, olive-yellow bold caption.
constexpr ControlSpec topic(const char *name, const char *caption, int top, int tabIndex)
{
    return boxedLink(name, caption, 240, top, 1695, 255, Navy, OliveYellow, 8.25, tabIndex);
}

const ControlSpec layout[] = {
    {.name = "Label1", .caption = "YOGA INSTRUCTIONS RELATED TO:", .left = 2640, .top = 120, .width = 5535,
     .height = 375, .foreColor = OliveYellow, .font = SansBold(13.5), .transparent = true,
     .alignment = Align::Centre, .wordWrap = true, .tabIndex = 0},
    {.name = "Image1", .kind = ControlKind::Image, .left = 240, .top = 360, .width = 1695, .height = 1215,
     .stretch = true, .picture = "frmYogaInstructions/Image1.jpg"},
    {.name = "Label2", .caption = "HATHA, RADJA, ASHTANGA, KUNDALINI, MANTRA, GYANA, LAYA AND JNANA YOGA.",
     .left = 2160, .top = 600, .width = 6615, .height = 375, .foreColor = OliveYellow, .transparent = true,
     .tabIndex = 10},
    {.name = "rtfInstructions", .kind = ControlKind::DocumentArea, .left = 2160, .top = 960, .width = 6495,
     .height = 4335, .backColor = Navy, .scrollBars = 2, .tabIndex = 11},
    topic("lblIntroduction", "INTRODUCTION", 1800, 1),
    topic("lblEight", "EIGHT STEPS", 2160, 12),
    topic("lblCleansing", "PURIFICATION", 2520, 3),
    topic("lblAsanas", "ASANAS", 2880, 2),
    topic("lblPranayama", "PRANAYAMA", 3240, 4),
    topic("lblMudras", "MUDRAS", 3600, 5),
    topic("lblConcentration", "CONCENTRATION", 3960, 6),
    topic("lblMeditation", "MEDITATION", 4320, 7),
    topic("lblSamadhi", "SAMADHI", 4680, 8),
    boxedLink("lblExit", "EXIT", 240, 5040, 1695, 255, Navy, Red, 8.25, 9),
};

// The names are fixed and not derived from the captions: MEDITATION loads "Meditate.rtf", because
// "Meditation.rtf" is a tradition listing.
constexpr DocumentLink topics[] = {
    {"lblIntroduction", "\\Introduction.rtf"},
    {"lblEight", "\\Eight.rtf"},
    {"lblCleansing", "\\Purification.rtf"},
    {"lblAsanas", "\\Asanas.rtf"},
    {"lblPranayama", "\\Pranayama.rtf"},
    {"lblMudras", "\\Mudras.rtf"},
    {"lblConcentration", "\\Concentration.rtf"},
    {"lblMeditation", "\\Meditate.rtf"},
    {"lblSamadhi", "\\Samadhi.rtf"},
};

} // namespace

const LinkTable frmYogaInstructions::Links{"rtfInstructions", LoadRule::OverShown, topics};

frmYogaInstructions::frmYogaInstructions() : Screen(Spec, layout, Links) {}

void frmYogaInstructions::lblExit_Click() { CloseScreen<frmYogaInstructions>(); }

} // namespace vireka
