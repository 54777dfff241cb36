#include "frmPhotoListings.h"

#include "DirectoryNames.h"
#include "LabelControl.h"
#include "ListBoxControl.h"
#include "ScreenSlots.h"
#include "frmCentre1.h"
#include "frmCentre2.h"
#include "frmCentre3.h"
#include "frmCentre4.h"
#include "frmCentre5.h"
#include "frmCentre6.h"
#include "frmCentre7.h"
#include "frmCentre8.h"
#include "frmCentre9.h"
#include "frmKundaliniPose.h"
#include "frmSirsasana.h"
#include "frmZovazir1.h"
#include "frmZovazir2.h"
#include "zavOdudo.h"

#include <array>
#include <string_view>

namespace vireka {

namespace {

using namespace colours;

// A page opens where the window system puts it, so that the user can go on choosing in the list; a
// page that is open already comes to the front, since the user asked to see it again.
template <class Page>
void openPage()
{
    const Page *open = slot<Page>();
    OpenScreen<Page>(open && open->isLoaded() ? Front::Bring : Front::Leave);
}

// An entry of the list and the page it opens. The entry text is the directory's name for whoever the
// page presents.
struct Listing {
    const char *entry;
    void (*open)();
};

template <class Page>
constexpr Listing listingOf()
{
    return {directory::featuredForPage(Page::Spec.name).text, &openPage<Page>};
}

constexpr Listing listings[] = {
    listingOf<frmCentre9>(),       listingOf<frmCentre7>(),  listingOf<zavOdudo>(),    listingOf<frmCentre2>(),
    listingOf<frmSirsasana>(),     listingOf<frmCentre8>(),  listingOf<frmCentre3>(),  listingOf<frmCentre1>(),
    listingOf<frmCentre4>(),       listingOf<frmCentre5>(),  listingOf<frmKundaliniPose>(), listingOf<frmZovazir1>(),
    listingOf<frmZovazir2>(),      listingOf<frmCentre6>(),
};

// The list does not sort itself: it shows the directory's featured listings in their own order.
constexpr bool inDirectoryOrder()
{
    if (std::size(listings) != std::size(directory::featuredListings))
        return false;
    for (std::size_t i = 0; i < std::size(listings); ++i)
        if (std::string_view(listings[i].entry) != directory::featuredListings[i].text)
            return false;
    return true;
}
static_assert(inDirectoryOrder(), "the listings must follow the directory's featured listings");

constexpr auto entries = [] {
    std::array<const char *, std::size(listings)> texts{};
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = listings[i].entry;
    return texts;
}();

const ControlSpec layout[] = {
    {.name = "lstPhotoListings", .kind = ControlKind::ListBox, .left = 240, .top = 600, .width = 3615,
     .height = 2790, .backColor = Navy, .foreColor = Yellow, .font = SansBold(8.25), .items = entries,
     .tabIndex = 0},
    boxedLink("lblExit", "EXIT", 3120, 120, 735, 255, Blue, Red, 8.25, 1),
    {.name = "Label1", .caption = "Photo Listings", .left = 1080, .top = 120, .width = 1815, .height = 255,
     .foreColor = Yellow, .font = SansBold(9.75), .transparent = true, .alignment = Align::Centre, .tabIndex = 2},
    // Starts with a text that matches no entry, so opening the browser opens no page.
    {.name = "lblPhotoListings", .caption = "lblPhotoListing", .left = 2760, .top = 3360, .width = 1095,
     .height = 255, .visible = false, .tabIndex = 3},
};

} // namespace

frmPhotoListings::frmPhotoListings() : Screen(Spec, layout) {}

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
    for (const Listing &listing : listings)
        if (control<LabelControl>("lblPhotoListings").caption() == QLatin1String(listing.entry))
            listing.open();
}

void frmPhotoListings::lblExit_Click() { CloseScreen<frmPhotoListings>(); }

} // namespace vireka
