#include "frmArticles.h"

#include "ScreenSlots.h"

namespace vireka {

namespace {

using namespace colours;

// An article link of the column: blue box, white caption.
constexpr ControlSpec article(const char *name, const char *caption, int top, int height, int tabIndex)
{
    return boxedLink(name, caption, 120, top, 1815, height, Blue, White, 8.25, tabIndex);
}

const ControlSpec layout[] = {
    {.name = "Image1", .kind = ControlKind::Image, .left = 120, .top = 120, .width = 1815, .height = 1035,
     .stretch = true, .picture = "frmArticles/Image1.jpg"},
    {.name = "Label1", .caption = "YOGA ARTICLES: THEORY AND PRACTICE", .left = 2520, .top = 240, .width = 6495,
     .height = 495, .foreColor = Yellow, .font = SansBold(13.5), .transparent = true, .alignment = Align::Centre,
     .tabIndex = 9},
    {.name = "rtfArticles", .kind = ControlKind::DocumentArea, .left = 2040, .top = 840, .width = 7335,
     .height = 4575, .backColor = Blue, .scrollBars = 2, .tabIndex = 8},
    article("lblYogaScie", "Yoga and Science", 1200, 255, 0),
    article("lblMantra", "Mantra", 1560, 255, 1),
    article("lblJnana", "Jnana Yoga", 1920, 255, 3),
    article("lblSelfReal", "Self-realization", 2280, 255, 4),
    article("lblSelfKnow", "Self-knowledge", 2640, 255, 5),
    article("lblReincarnate", "Reincarnation", 3000, 255, 6),
    article("lblSoul", "Soul", 3360, 255, 10),
    article("lblTriggers", "Triggers", 3720, 255, 11),
    article("lblBalance", "Balance", 4080, 255, 2),
    article("lblGurusCults", "Gurus, Disciples and Cults", 4440, 495, 12),
    boxedLink("lblExit", "EXIT", 120, 5040, 1815, 375, Blue, Red, 12, 7),
};

// The names are fixed abbreviations, not derived from the captions. "Jnana.rtf" and "Mantra.rtf" are
// articles; the tradition listings of the same names are "JnanaStyle.rtf" and "MantraStyle.rtf".
constexpr DocumentLink articles[] = {
    {"lblYogaScie", "\\YogaScie.rtf"},
    {"lblMantra", "\\Mantra.rtf"},
    {"lblJnana", "\\Jnana.rtf"},
    {"lblSelfReal", "\\SelfReal.rtf"},
    {"lblSelfKnow", "\\SelfKnow.rtf"},
    {"lblReincarnate", "\\Reincarnate.rtf"},
    {"lblSoul", "\\Soul.rtf"},
    {"lblTriggers", "\\Triggers.rtf"},
    {"lblBalance", "\\Balance.rtf"},
    {"lblGurusCults", "\\GurusCults.rtf"},
};

} // namespace

const LinkTable frmArticles::Links{"rtfArticles", LoadRule::OverShown, articles};

frmArticles::frmArticles() : Screen(Spec, layout, Links) {}

void frmArticles::lblExit_Click() { CloseScreen<frmArticles>(); }

} // namespace vireka
