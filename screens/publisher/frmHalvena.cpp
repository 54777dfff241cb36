#include "frmHalvena.h"

#include "DirectoryNames.h"
#include "ScreenSlots.h"
#include "Shell.h"
#include "publisher/frmHalvenaScreen.h"
#include "publisher/frmHerbsScreen.h"

#include <initializer_list>

namespace vireka {

namespace {

using namespace colours;

std::string crlfLines(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string &line : lines)
        text += line + "\r\n";
    return text;
}

// The screenshot links ignore a failure to open: the promotion goes on as it was.
template <class S>
void openIgnoringFailure()
{
    try {
        OpenScreen<S>();
    } catch (const std::exception &) {
    }
}

} // namespace

// What the program covers, the caution, what the full version adds, its price and page, then the
// ordering details. Blank lines hold nothing or a single space.
const std::string frmHalvena::ProductText = crlfLines({
    "HALVENA is a health reference program",
    "for your home and for your practice.",
    "",
    "Its data bank covers herbs, homeopathy",
    "and nutrition: vitamins, minerals,",
    "enzymes, amino acids, antioxidants",
    "and neurotransmitters.",
    "It also covers afflictions and their",
    "symptoms, colour therapy, autosuggestion,",
    "yoga and other alternative medicines.",
    " ",
    "Please note: HALVENA shares information.",
    "It is not meant for diagnosis and",
    "prescription, unless a qualified",
    "professional uses it.",
    "Always consult your health practitioner.",
    "",
    "The Full version adds many more",
    "afflictions and herbs, all of them fully",
    "searchable, diagnostic indicators,",
    "colour therapy, autosuggestion and more",
    "text files. Owners of the CD receive",
    "all upgrades free of charge.",
    " ",
    std::string("Full version: ") + directory::priceHalvenaFull,
    "Order today!",
    "Free Trial version and pictures at:",
    directory::halvenaWeb,
    "",
    "*********************************",
    "",
    "Further Ordering Information:",
    "",
    std::string("Full version on CD: ") + directory::priceHalvenaFull,
    "Please add shipping to the price:",
    "Shipping to the United States:",
    directory::shippingUSA,
    "Shipping to all other countries:",
    directory::shippingOverseas,
    "Shipping within Canada:",
    directory::shippingCanada,
    " ",
    "Order by telephone:",
    directory::publisherPhone,
    "Order by fax, at any time:",
    directory::publisherFax,
    "",
    "Mail your order with payment to:",
    directory::publisherName,
    directory::publisherPostBox,
    std::string(directory::publisherTown) + ", " + directory::publisherProvince,
    std::string(directory::publisherPostalCode) + ", " + directory::publisherCountry,
    " ",
    "Or use the secure order form",
    "on the program's web page.",
    std::string("We accept ") + directory::publisherPayment + ".",
    "",
    "Visit us on the Web at:",
    directory::publisherWeb,
    "or write to us by e-mail at:",
    directory::publisherEmail,
    "",
    "Thank you for your interest",
    "in HALVENA.",
});

const std::string frmHalvena::OrderMessage =
    std::string("For more information on how to order or download the free Trial version, please, go to our "
                "Web-site at: ") +
    directory::halvenaWeb;

namespace {

// A link of the left-hand column: navy box, white caption.
constexpr ControlSpec promotionLink(const char *name, const char *caption, int top, int tabIndex)
{
    return boxedLink(name, caption, {360, top, 1335, 495},
                     {.back = Navy, .fore = White, .points = 8.25, .tabIndex = tabIndex});
}

const ControlSpec layout[] = {
    {.name = "Label1", .caption = "HALVENA - THE PROGRAM", .left = 1920, .top = 120, .width = 5295, .height = 495,
     .foreColor = Yellow, .font = SansBold(18), .transparent = true, .tabIndex = 0},
    {.name = "Image1", .kind = ControlKind::Image, .left = 360, .top = 600, .width = 1335, .height = 975,
     .borderStyle = 1, .stretch = true, .picture = "frmHalvena/Image1.jpg"},
    {.name = "Text1", .kind = ControlKind::TextBox, .caption = frmHalvena::ProductText.c_str(), .left = 1920,
     .top = 600, .width = 5295, .height = 3255, .backColor = Navy, .foreColor = Yellow, .font = SansBold(9.75),
     .alignment = Align::Centre, .scrollBars = ScrollBars::Vertical, .tabIndex = 3},
    promotionLink("lblHalvenaScreen", "Halvena ScreenShot", 1680, 1),
    promotionLink("lblHerbalScreen", "Herbal Section ScreenShot", 2280, 2),
    promotionLink("lblOrder", "  Download   or Order", 2880, 5),
    boxedLink("lblExit", "EXIT", {360, 3480, 1335, 375}, {.back = Navy, .fore = Red, .points = 12, .tabIndex = 4}),
};

} // namespace

const ScreenSpec frmHalvena::Spec{
    .caption = "Halvena - The Program (available as Shareware and in the Full version.", .clientWidth = 7470,
    .clientHeight = 4140, .backColor = Black, .programIcon = true, .escape = EscapeRule::EndsProgram,
    .setsProgramFolder = true, .closedBy = "lblExit", .controls = layout};

void frmHalvena::lblHalvenaScreen_Click() { openIgnoringFailure<frmHalvenaScreen>(); }
void frmHalvena::lblHerbalScreen_Click() { openIgnoringFailure<frmHerbsScreen>(); }
void frmHalvena::lblOrder_Click() { ShowMessage(QString::fromLatin1(OrderMessage)); }

} // namespace vireka
