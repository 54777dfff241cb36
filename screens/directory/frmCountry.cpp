#include "frmCountry.h"

#include "ScreenSlots.h"
#include "directory/frmSubmit.h"

namespace vireka {

namespace {

using namespace colours;

// A country link: two columns at 120 and 1320, rows 480 apart.
constexpr ControlSpec country(const char *name, const char *caption, int left, int top)
{
    return boxedLink(name, caption, left, top, 1095, 375, Navy, White, 9.75, -1);
}

// The picture starts above the client area, which cuts off its top.
const ControlSpec layout[] = {
    {.name = "Image1", .kind = ControlKind::Image, .left = 0, .top = -120, .width = 2415, .height = 1575,
     .stretch = true, .picture = "frmCountry/Image1.jpg"},
    {.name = "Label1", .caption = "INTERNATIONAL YOGA DIRECTORY", .left = 3120, .top = 240, .width = 5415,
     .height = 375, .foreColor = Navy, .font = SansBold(13.5), .transparent = true},
    {.name = "rtfDirectory", .kind = ControlKind::DocumentArea, .left = 2640, .top = 720, .width = 6135,
     .height = 3615, .backColor = Blue, .scrollBars = 2, .tabIndex = 13},
    country("lblArgentina", "Argentina", 120, 1560),
    country("lblAustralia", "Australia", 1320, 1560),
    country("lblCanada", "Canada", 120, 2040),
    country("lblChile", "Chile", 1320, 2040),
    country("lblEngland", "England", 120, 2520),
    country("lblGermany", "Germany", 1320, 2520),
    country("lblHolland", "Holland", 120, 3000),
    country("lblIndia", "India", 1320, 3000),
    country("lblNepal", "Nepal", 120, 3480),
    country("lblUSA", "USA", 1320, 3480),
    boxedLink("lblSubmit", "SubmitLink", 120, 3960, 1095, 375, Blue, White, 8.25, -1),
    boxedLink("lblExit", "EXIT", 1320, 3960, 1095, 375, Blue, Red, 12, -1),
};

constexpr DocumentLink countries[] = {
    {"lblArgentina", "\\Argentina.rtf"},
    {"lblAustralia", "\\Australia.rtf"},
    {"lblCanada", "\\Canada.rtf"},
    {"lblChile", "\\Chile.rtf"},
    {"lblEngland", "\\England.rtf"},
    {"lblGermany", "\\Germany.rtf"},
    {"lblHolland", "\\Holland.rtf"},
    {"lblIndia", "\\India.rtf"},
    {"lblNepal", "\\Nepal.rtf"},
    {"lblUSA", "\\USA.rtf"},
};

} // namespace

const LinkTable frmCountry::Links{"rtfDirectory", LoadRule::OverShown, countries};

frmCountry::frmCountry() : Screen(Spec, layout, Links) {}

void frmCountry::lblSubmit_Click() { OpenScreen<frmSubmit>(); }
void frmCountry::lblExit_Click() { CloseScreen<frmCountry>(); }

} // namespace vireka
