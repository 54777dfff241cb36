#include "frmPhotoListings.h"

#include "AllScreens.h"
#include "DirectoryNames.h"
#include "LabelControl.h"
#include "ListBoxControl.h"

#include <array>
#include <stdexcept>
#include <string>

namespace vireka {

using namespace colours;

// The list shows the directory's featured listings in their own order, without sorting them.
constexpr auto entries = [] {
    std::array<const char *, std::size(directory::featuredListings)> texts{};
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = directory::featuredListings[i].text;
    return texts;
}();

// A page opens where the window system puts it, so that the user can go on choosing in the list; a
// page that is open already comes to the front, since the user asked to see it again.
static void openPage(const char *name)
{
    const ScreenClass *page = screenClass(name);
    if (!page)
        throw std::logic_error(std::string("the photo listings name no page ") + name);
    const Screen *open = page->instance();
    if (open && open->isLoaded())
        page->open();
    else
        page->openUnraised();
}

const ControlSpec layout[] = {
    {.name = "lstPhotoListings", .kind = ControlKind::ListBox, .left = 240, .top = 600, .width = 3615,
     .height = 2790, .backColor = Navy, .foreColor = Yellow, .font = SansBold(8.25), .items = entries,
     .tabIndex = 0},
    boxedLink("lblExit", "EXIT", {3120, 120, 735, 255}, {.back = Blue, .fore = Red, .points = 8.25, .tabIndex = 1}),
    {.name = "Label1", .caption = "Photo Listings", .left = 1080, .top = 120, .width = 1815, .height = 255,
     .foreColor = Yellow, .font = SansBold(9.75), .transparent = true, .alignment = Align::Centre, .tabIndex = 2},
    // Starts with a text that matches no entry, so opening the browser opens no page.
    {.name = "lblPhotoListings", .caption = "lblPhotoListing", .left = 2760, .top = 3360, .width = 1095,
     .height = 255, .visible = false, .tabIndex = 3},
};

const ScreenSpec frmPhotoListings::Spec{
    .caption = "Photo Listings", .clientWidth = 4080, .clientHeight = 3660, .backColor = Black, .programIcon = true,
    .escape = EscapeRule::EndsProgram, .setsProgramFolder = true, .closedBy = "lblExit", .controls = layout};

// Passes the chosen entry on through the hidden label, whose change opens the entry's page.
void frmPhotoListings::lstPhotoListings_Click()
{
    auto &list = control<ListBoxControl>("lstPhotoListings");
    auto &relay = control<LabelControl>("lblPhotoListings");
    for (int i = 0; i < list.count(); ++i) {
        if (!list.item(i)->isSelected())
            continue;
        // The entry chosen again brings the label no new text, yet its page may have been closed since.
        if (relay.caption() == list.item(i)->text())
            lblPhotoListings_Change();
        else
            relay.setCaption(list.item(i)->text());
    }
}

void frmPhotoListings::lblPhotoListings_Change()
{
    for (const directory::FeaturedListing &listing : directory::featuredListings)
        if (control<LabelControl>("lblPhotoListings").caption() == QLatin1String(listing.text))
            openPage(listing.page);
}

} // namespace vireka
