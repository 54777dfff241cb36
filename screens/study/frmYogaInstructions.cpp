#include "frmYogaInstructions.h"

namespace vireka {

using namespace colours;

// A topic link of the column: navy box, olive-yellow bold caption.
static constexpr ControlSpec topic(const char *name, const char *caption, int top, int tabIndex, const char *file)
{
    return boxedLink(name, caption, {240, top, 1695, 255},
                     {.back = Navy, .fore = OliveYellow, .points = 8.25, .tabIndex = tabIndex, .loads = file});
}

// The names are fixed and not derived from the captions: MEDITATION loads "Meditate.rtf", because
// "Meditation.rtf" is a tradition listing.
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
     .height = 4335, .backColor = Navy, .scrollBars = ScrollBars::Vertical, .tabIndex = 11},
    topic("lblIntroduction", "INTRODUCTION", 1800, 1, "\\Introduction.rtf"),
    topic("lblEight", "EIGHT STEPS", 2160, 12, "\\Eight.rtf"),
    topic("lblCleansing", "PURIFICATION", 2520, 3, "\\Purification.rtf"),
    topic("lblAsanas", "ASANAS", 2880, 2, "\\Asanas.rtf"),
    topic("lblPranayama", "PRANAYAMA", 3240, 4, "\\Pranayama.rtf"),
    topic("lblMudras", "MUDRAS", 3600, 5, "\\Mudras.rtf"),
    topic("lblConcentration", "CONCENTRATION", 3960, 6, "\\Concentration.rtf"),
    topic("lblMeditation", "MEDITATION", 4320, 7, "\\Meditate.rtf"),
    topic("lblSamadhi", "SAMADHI", 4680, 8, "\\Samadhi.rtf"),
    boxedLink("lblExit", "EXIT", {240, 5040, 1695, 255}, {.back = Navy, .fore = Red, .points = 8.25, .tabIndex = 9}),
};

const ScreenSpec frmYogaInstructions::Spec{
    .caption = "Yoga Instructions", .clientWidth = 8850, .clientHeight = 5430, .backColor = Black, .programIcon = true,
    .escape = EscapeRule::EndsProgram, .setsProgramFolder = true, .closedBy = "lblExit", .controls = layout,
    .linkArea = "rtfInstructions", .linkRule = LoadRule::OverShown};

} // namespace vireka
