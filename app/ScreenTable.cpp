#include "ScreenTable.h"

#include <cstring>
#include <stdexcept>
#include <string>

namespace vireka {

namespace {

constexpr Colour Black = RGB(0, 0, 0);
constexpr Colour White = RGB(255, 255, 255);
constexpr Colour Olive = RGB(128, 128, 0);
constexpr Colour Grey = RGB(128, 128, 128);
constexpr Colour DarkGrey = RGB(64, 64, 64);
constexpr Colour LightGrey = RGB(224, 224, 224);
constexpr Colour LightYellow = RGB(255, 255, 192);
constexpr Colour LightCyan = RGB(128, 255, 255);

constexpr auto Ends = EscapeRule::EndsProgram;

// Captions left empty here name an outside school or centre; those screens set their own from the
// directory data.
const ScreenSpec screens[] = {
    {.name = "frmYoga", .caption = "  VIREKA: A FREEWARE PROGRAM FROM MORVANE ZUVOVURODA", .clientWidth = 9480,
     .clientHeight = 6390, .backColor = Black, .maximised = true, .programIcon = true, .escape = Ends,
     .setsProgramFolder = true},
    {.name = "frmTesmara", .caption = "TESMARA", .clientWidth = 8820, .clientHeight = 6315, .backColor = Black,
     .buttons = TitleButtons::None, .programIcon = true, .escape = Ends, .setsProgramFolder = true},
    {.name = "frmYogaInstructions", .caption = "Yoga Instructions", .clientWidth = 8850, .clientHeight = 5430,
     .backColor = Black, .programIcon = true, .escape = Ends, .setsProgramFolder = true},
    {.name = "frmArticles", .caption = "Yoga Articles: Theory and Practice", .clientWidth = 9480,
     .clientHeight = 5550, .backColor = Black, .maximised = true, .programIcon = true, .escape = Ends,
     .setsProgramFolder = true},
    {.name = "frmKundaliniPose", .caption = "Kundalini Pose", .clientWidth = 6690, .clientHeight = 3945,
     .backColor = White, .buttons = TitleButtons::None, .escape = Ends, .setsProgramFolder = true},
    {.name = "frmSirsasana", .caption = "Sirsasana - Headstand - Kopfstand", .clientWidth = 6750,
     .clientHeight = 4935, .backColor = Black, .buttons = TitleButtons::None, .escape = Ends,
     .setsProgramFolder = true},
    {.name = "frmZovazir1", .caption = "", .clientWidth = 9480, .clientHeight = 4530, .backColor = White,
     .buttons = TitleButtons::None, .escape = Ends, .setsProgramFolder = true},
    {.name = "frmZovazir2", .caption = "", .clientWidth = 5955, .clientHeight = 5880, .backColor = LightGrey,
     .buttons = TitleButtons::None, .escape = Ends, .setsProgramFolder = true},
    {.name = "zavOdudo", .caption = "Basic Asanas", .clientWidth = 6750, .clientHeight = 4470, .backColor = White,
     .buttons = TitleButtons::None, .escape = Ends, .setsProgramFolder = true},
    {.name = "frmPhotoAsanas", .caption = "Yoga Asanas", .clientWidth = 9480, .clientHeight = 6435,
     .backColor = Black, .buttons = TitleButtons::CloseOnly, .programIcon = true, .escape = Ends,
     .setsProgramFolder = true},
    {.name = "frmDirectory", .caption = "Yoga Directory", .clientWidth = 8145, .clientHeight = 3120,
     .backColor = LightCyan, .programIcon = true, .escape = Ends, .setsProgramFolder = true,
     .mousePointer = PointerCustom},
    {.name = "frmCountry", .caption = "INTERNATIONAL YOGA DIRECTORY", .clientWidth = 8895, .clientHeight = 4485,
     .backColor = Olive, .programIcon = true, .escape = Ends, .setsProgramFolder = true},
    {.name = "frmTradition", .caption = "YOGA STYLE - YOGA TRADITIONS", .clientWidth = 8925, .clientHeight = 4830,
     .backColor = Olive, .programIcon = true, .escape = Ends, .setsProgramFolder = true},
    {.name = "frmSubmit", .caption = "                Submit your listing", .clientWidth = 4470,
     .clientHeight = 3495, .backColor = Black, .escape = Ends},
    {.name = "frmUpgrade", .caption = "Free Upgrade", .clientWidth = 4695, .clientHeight = 2430, .backColor = Black,
     .programIcon = true, .escape = Ends},
    {.name = "frmHalvena",
     .caption = "Halvena - The Program (available as Shareware and in the Full version.", .clientWidth = 7470,
     .clientHeight = 4140, .backColor = Black, .programIcon = true, .escape = Ends, .setsProgramFolder = true},
    {.name = "frmHalvenaScreen", .caption = "Halvena ScreenShot", .clientWidth = 9480, .clientHeight = 6795,
     .backColor = LightYellow, .maximised = true, .programIcon = true, .escape = Ends, .setsProgramFolder = true},
    {.name = "frmHerbsScreen", .caption = "Herbal Section ScreenShot", .clientWidth = 9210, .clientHeight = 6240,
     .backColor = LightYellow, .maximised = true, .programIcon = true, .escape = Ends},
    {.name = "frmAbout", .caption = "Vireka", .clientWidth = 5730, .clientHeight = 3990,
     .border = Border::FixedDialog, .buttons = TitleButtons::CloseOnly, .placement = Placement::Manual,
     .clientLeft = 2340, .clientTop = 1935, .programIcon = true, .escape = EscapeRule::CancelButton,
     .showInTaskbar = false},
    {.name = "frmDisclaimer", .caption = "Disclaimer", .clientWidth = 7770, .clientHeight = 3765, .backColor = White,
     .border = Border::FixedSingle, .buttons = TitleButtons::None, .placement = Placement::Manual,
     .clientLeft = 750, .clientTop = 720, .programIcon = true, .escape = Ends},
    {.name = "frmPhotoListings", .caption = "Photo Listings", .clientWidth = 4080, .clientHeight = 3660,
     .backColor = Black, .programIcon = true, .escape = Ends, .setsProgramFolder = true},
    {.name = "frmCentre1", .clientWidth = 4440, .clientHeight = 5055, .backColor = Black},
    {.name = "frmCentre2", .clientWidth = 8130, .clientHeight = 5430, .backColor = Olive},
    {.name = "frmCentre3", .clientWidth = 6390, .clientHeight = 2895, .backColor = Grey},
    {.name = "frmCentre4", .clientWidth = 6435, .clientHeight = 2490, .backColor = DarkGrey},
    {.name = "frmCentre5", .clientWidth = 6555, .clientHeight = 2760, .backColor = Grey},
    {.name = "frmCentre6", .clientWidth = 7485, .clientHeight = 3165, .backColor = White},
    {.name = "frmCentre7", .clientWidth = 7620, .clientHeight = 3090, .backColor = DarkGrey},
    {.name = "frmCentre8", .clientWidth = 7680, .clientHeight = 3195, .backColor = White},
    {.name = "frmCentre9", .clientWidth = 6705, .clientHeight = 2505, .backColor = Black},
};

} // namespace

std::span<const ScreenSpec> screenTable()
{
    return screens;
}

const ScreenSpec &screenSpec(const char *name)
{
    for (const ScreenSpec &screen : screens)
        if (std::strcmp(screen.name, name) == 0)
            return screen;
    throw std::logic_error(std::string("no screen named ") + name);
}

} // namespace vireka
