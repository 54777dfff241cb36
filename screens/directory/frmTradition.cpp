#include "frmTradition.h"

#include "ScreenSlots.h"
#include "directory/frmCountry.h"
#include "directory/frmSubmit.h"

namespace vireka {

using namespace colours;

// A style link in one of the three columns; every column's rows start at 1200, 360 apart.
static constexpr ControlSpec style(const char *name, const char *caption, int column, int top, const char *file)
{
    constexpr int lefts[] = {120, 1920, 3360};
    constexpr int widths[] = {1575, 1335, 1335};
    return boxedLink(name, caption, {lefts[column - 1], top, widths[column - 1], 255},
                     {.back = Navy, .fore = White, .points = 8.25, .loads = file});
}

// The file names follow no one rule: the Hatha styles drop "Hatha-", three names carry "Style" so
// that they stay apart from the articles of the same name, and Zuved's link is named lblVidiya.
const ControlSpec layout[] = {
    {.name = "Image1", .kind = ControlKind::Image, .left = 0, .top = 0, .width = 1815, .height = 1095,
     .stretch = true, .picture = "frmTradition/Image1.jpg"},
    {.name = "Label2", .caption = "YOGA STYLE - YOGA TRADITION", .left = 2040, .top = 240, .width = 4935,
     .height = 375, .foreColor = Navy, .font = SansBold(13.5), .transparent = true},
    {.name = "Label3",
     .caption = "Find a Center, then go to Country to find the listing of the particular Yoga Center.",
     .left = 3000, .top = 600, .width = 3015, .height = 495, .foreColor = SystemButtonText, .transparent = true,
     .wordWrap = true},
    {.name = "Image2", .kind = ControlKind::Image, .left = 7080, .top = 0, .width = 1815, .height = 1095,
     .stretch = true, .picture = "frmTradition/Image2.jpg"},
    {.name = "rtfTradition", .kind = ControlKind::DocumentArea, .left = 4800, .top = 1200, .width = 4095,
     .height = 3495, .backColor = Navy, .scrollBars = ScrollBars::Vertical, .tabIndex = 26},
    style("lblAgni", "Agni", 1, 1200, "\\Agni.rtf"),
    style("lblAshtanga", "Ashtanga", 1, 1560, "\\Ashtanga.rtf"),
    style("lblBhakti", "Bhakti", 1, 1920, "\\Bhakti.rtf"),
    style("lblGyana", "Gyana", 1, 2280, "\\Gyana.rtf"),
    style("lblIyengar", "Hatha-Iyengar", 1, 2640, "\\Iyengar.rtf"),
    style("lblKripalu", "Hatha-Kripalu", 1, 3000, "\\Kripalu.rtf"),
    style("lblOki", "Hatha-Oki", 1, 3360, "\\Oki.rtf"),
    style("lblSivananda", "Hatha-Sivananda", 1, 3720, "\\Sivananda.rtf"),
    style("lblHathaTrad", "Hatha-Traditional", 1, 4080, "\\Traditional.rtf"),
    style("lblTri", "Hatha-Tri", 1, 4440, "\\Tri.rtf"),
    style("lblIntegral", "Integral", 2, 1200, "\\Integral.rtf"),
    style("lblIntegrative", "Integrative", 2, 1560, "\\Integrative.rtf"),
    style("lblJnana", "Jnana", 2, 1920, "\\JnanaStyle.rtf"),
    style("lblKriya", "Kriya", 2, 2280, "\\KriyaStyle.rtf"),
    style("lblKundalini", "Kundalini", 2, 2640, "\\Kundalini.rtf"),
    style("lblLaya", "Laya", 2, 3000, "\\Laya.rtf"),
    style("lblMantra", "Mantra", 2, 3360, "\\MantraStyle.rtf"),
    style("lblMeditation", "Meditation", 2, 3720, "\\Meditation.rtf"),
    style("lblNidra", "Nidra", 2, 4080, "\\Nidra.rtf"),
    style("Label1", "Tantra", 2, 4440, "\\Tantra.rtf"),
    style("lblRadja", "Radja", 3, 1200, "\\Radja.rtf"),
    style("lblSiddha", "Siddha", 3, 1560, "\\Siddha.rtf"),
    style("lblVidiya", "Zuved", 3, 1920, "\\Zuved.rtf"),
    style("lblVipassana", "Vipassana", 3, 2280, "\\Vipassana.rtf"),
    style("lblZen", "Zen", 3, 2640, "\\Zen.rtf"),
    {.name = "lblSubmit", .caption = "Submit your listing", .left = 3360, .top = 3000, .width = 1335,
     .height = 615, .backColor = Navy, .foreColor = White, .font = SansBold(9.75), .borderStyle = 1,
     .alignment = Align::Centre, .wordWrap = true},
    {.name = "lblCountry", .caption = "Find Country of Center", .left = 3360, .top = 3720, .width = 1335,
     .height = 495, .backColor = Navy, .foreColor = Red, .font = SansBold(8.25), .borderStyle = 1,
     .alignment = Align::Centre, .wordWrap = true},
    boxedLink("lblExit", "EXIT", {3360, 4320, 1335, 375}, {.back = Blue, .fore = Red, .points = 12}),
};

const ScreenSpec frmTradition::Spec{
    .caption = "YOGA STYLE - YOGA TRADITIONS", .clientWidth = 8925, .clientHeight = 4830, .backColor = Olive,
    .programIcon = true, .escape = EscapeRule::EndsProgram, .setsProgramFolder = true, .closedBy = "lblExit",
    .controls = layout, .linkArea = "rtfTradition", .linkRule = LoadRule::OverShown};

// Hands over to the listings by country: the country screen comes to the front first, then this one
// closes.
void frmTradition::lblCountry_Click()
{
    OpenScreen<frmCountry>();
    CloseScreen<frmTradition>();
}

void frmTradition::lblSubmit_Click() { OpenScreen<frmSubmit>(); }

} // namespace vireka
