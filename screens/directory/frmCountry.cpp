#include "frmCountry.h"

#include "ScreenSlots.h"
#include "directory/frmSubmit.h"

namespace vireka {

using namespace colours;

// A country link: two columns at 120 and 1320, rows 480 apart.
static constexpr ControlSpec country(const char *name, const char *caption, int left, int top, const char *file)
{
    return boxedLink(name, caption, {left, top, 1095, 375},
                     {.back = Navy, .fore = White, .points = 9.75, .loads = file});
}

// The picture starts above the client area, which cuts off its top.
const ControlSpec layout[] = {
    {.name = "Image1", .kind = ControlKind::Image, .left = 0, .top = -120, .width = 2415, .height = 1575,
     .stretch = true, .picture = "frmCountry/Image1.jpg"},
    {.name = "Label1", .caption = "INTERNATIONAL YOGA DIRECTORY", .left = 3120, .top = 240, .width = 5415,
     .height = 375, .foreColor = Navy, .font = SansBold(13.5), .transparent = true},
    {.name = "rtfDirectory", .kind = ControlKind::DocumentArea, .left = 2640, .top = 720, .width = 6135,
     .height = 3615, .backColor = Blue, .scrollBars = ScrollBars::Vertical, .tabIndex = 13},
    country("lblArgentina", "Argentina", 120, 1560, "\\Argentina.rtf"),
    country("lblAustralia", "Australia", 1320, 1560, "\\Australia.rtf"),
    country("lblCanada", "Canada", 120, 2040, "\\Canada.rtf"),
    country("lblChile", "Chile", 1320, 2040, "\\Chile.rtf"),
    country("lblEngland", "England", 120, 2520, "\\England.rtf"),
    country("lblGermany", "Germany", 1320, 2520, "\\Germany.rtf"),
    country("lblHolland", "Holland", 120, 3000, "\\Holland.rtf"),
    country("lblIndia", "India", 1320, 3000, "\\India.rtf"),
    country("lblNepal", "Nepal", 120, 3480, "\\Nepal.rtf"),
    country("lblUSA", "USA", 1320, 3480, "\\USA.rtf"),
    boxedLink("lblSubmit", "SubmitLink", {120, 3960, 1095, 375}, {.back = Blue, .fore = White, .points = 8.25}),
    boxedLink("lblExit", "EXIT", {1320, 3960, 1095, 375}, {.back = Blue, .fore = Red, .points = 12}),
};

const ScreenSpec frmCountry::Spec{
    .caption = "INTERNATIONAL YOGA DIRECTORY", .clientWidth = 8895, .clientHeight = 4485, .backColor = Olive,
    .programIcon = true, .escape = EscapeRule::EndsProgram, .setsProgramFolder = true, .closedBy = "lblExit",
    .controls = layout, .linkArea = "rtfDirectory", .linkRule = LoadRule::OverShown};

void frmCountry::lblSubmit_Click() { OpenScreen<frmSubmit>(); }

} // namespace vireka
