#include "frmArticles.h"

namespace vireka {

using namespace colours;

// An article link of the column: blue box, white caption.
static constexpr ControlSpec article(const char *name, const char *caption, int top, int height, int tabIndex,
                                     const char *file)
{
    return boxedLink(name, caption, {120, top, 1815, height},
                     {.back = Blue, .fore = White, .points = 8.25, .tabIndex = tabIndex, .loads = file});
}

// The file names are fixed abbreviations, not derived from the captions. "Jnana.rtf" and "Mantra.rtf"
// are articles; the tradition listings of the same names are "JnanaStyle.rtf" and "MantraStyle.rtf".
const ControlSpec layout[] = {
    {.name = "Image1", .kind = ControlKind::Image, .left = 120, .top = 120, .width = 1815, .height = 1035,
     .stretch = true, .picture = "frmArticles/Image1.jpg"},
    {.name = "Label1", .caption = "YOGA ARTICLES: THEORY AND PRACTICE", .left = 2520, .top = 240, .width = 6495,
     .height = 495, .foreColor = Yellow, .font = SansBold(13.5), .transparent = true, .alignment = Align::Centre,
     .tabIndex = 9},
    {.name = "rtfArticles", .kind = ControlKind::DocumentArea, .left = 2040, .top = 840, .width = 7335,
     .height = 4575, .backColor = Blue, .scrollBars = ScrollBars::Vertical, .tabIndex = 8},
    article("lblYogaScie", "Yoga and Science", 1200, 255, 0, "\\YogaScie.rtf"),
    article("lblMantra", "Mantra", 1560, 255, 1, "\\Mantra.rtf"),
    article("lblJnana", "Jnana Yoga", 1920, 255, 3, "\\Jnana.rtf"),
    article("lblSelfReal", "Self-realization", 2280, 255, 4, "\\SelfReal.rtf"),
    article("lblSelfKnow", "Self-knowledge", 2640, 255, 5, "\\SelfKnow.rtf"),
    article("lblReincarnate", "Reincarnation", 3000, 255, 6, "\\Reincarnate.rtf"),
    article("lblSoul", "Soul", 3360, 255, 10, "\\Soul.rtf"),
    article("lblTriggers", "Triggers", 3720, 255, 11, "\\Triggers.rtf"),
    article("lblBalance", "Balance", 4080, 255, 2, "\\Balance.rtf"),
    article("lblGurusCults", "Gurus, Disciples and Cults", 4440, 495, 12, "\\GurusCults.rtf"),
    boxedLink("lblExit", "EXIT", {120, 5040, 1815, 375}, {.back = Blue, .fore = Red, .points = 12, .tabIndex = 7}),
};

// Each article loads over the one shown before.
const ScreenSpec frmArticles::Spec{
    .caption = "Yoga Articles: Theory and Practice", .clientWidth = 9480, .clientHeight = 5550, .backColor = Black,
    .maximised = true, .programIcon = true, .escape = EscapeRule::EndsProgram, .setsProgramFolder = true,
    .closedBy = "lblExit", .controls = layout, .linkArea = "rtfArticles", .linkRule = LoadRule::OverShown};

} // namespace vireka
