#pragma once

#include "LayoutTable.h"
#include "Palette.h"

#include <span>
#include <string_view>

namespace vireka {

enum class Border { FixedSingle = 1, Sizable = 2, FixedDialog = 3 };
enum class TitleButtons { All, CloseOnly, None };
enum class Placement { Manual, Centre };
enum class EscapeRule { None, EndsProgram, CancelButton };

// One row of the screen table: a screen's window properties.
struct ScreenSpec {
    const char *name = "";
    const char *caption = "";
    int clientWidth = 0, clientHeight = 0;   // twips
    Colour backColor = SystemButtonFace;
    Border border = Border::Sizable;
    TitleButtons buttons = TitleButtons::All;
    bool maximised = false;
    Placement placement = Placement::Centre;
    int clientLeft = 0, clientTop = 0;       // twips, manual placement only
    bool programIcon = false;
    EscapeRule escape = EscapeRule::None;
    bool setsProgramFolder = false;          // Load makes the program folder current
    bool showInTaskbar = true;
    int mousePointer = PointerDefault;
    const char *closedBy = nullptr;          // the screen's own close control; none: the close box only
};

namespace detail {

using namespace colours;
constexpr auto Ends = EscapeRule::EndsProgram;
constexpr auto NoButtons = TitleButtons::None;

// Captions left empty here name an outside school or centre; those screens take theirs from the
// directory data.
inline constexpr ScreenSpec screens[] = {
    {.name = "frmYoga", .caption = "  VIREKA: A FREEWARE PROGRAM FROM MORVANE ZUVOVURODA", .clientWidth = 9480,
     .clientHeight = 6390, .backColor = Black, .maximised = true, .programIcon = true, .escape = Ends,
     .setsProgramFolder = true, .closedBy = "lblExit"},
    {.name = "frmTesmara", .caption = "TESMARA", .clientWidth = 8820, .clientHeight = 6315, .backColor = Black,
     .buttons = NoButtons, .programIcon = true, .escape = Ends, .setsProgramFolder = true, .closedBy = "cmdClose"},
    {.name = "frmYogaInstructions", .caption = "Yoga Instructions", .clientWidth = 8850, .clientHeight = 5430,
     .backColor = Black, .programIcon = true, .escape = Ends, .setsProgramFolder = true, .closedBy = "lblExit"},
    {.name = "frmArticles", .caption = "Yoga Articles: Theory and Practice", .clientWidth = 9480,
     .clientHeight = 5550, .backColor = Black, .maximised = true, .programIcon = true, .escape = Ends,
     .setsProgramFolder = true, .closedBy = "lblExit"},
    {.name = "frmKundaliniPose", .caption = "Kundalini Pose", .clientWidth = 6690, .clientHeight = 3945, .backColor = White,
     .buttons = NoButtons, .escape = Ends, .setsProgramFolder = true, .closedBy = "cmdClose"},
    {.name = "frmSirsasana", .caption = "Sirsasana - Headstand - Kopfstand", .clientWidth = 6750,
     .clientHeight = 4935, .backColor = Black, .buttons = NoButtons, .escape = Ends, .setsProgramFolder = true,
     .closedBy = "cmdClose"},
    {.name = "frmZovazir1", .caption = "", .clientWidth = 9480, .clientHeight = 4530, .backColor = White,
     .buttons = NoButtons, .escape = Ends, .setsProgramFolder = true, .closedBy = "cmdClose"},
    {.name = "frmZovazir2", .caption = "", .clientWidth = 5955, .clientHeight = 5880, .backColor = LightGrey,
     .buttons = NoButtons, .escape = Ends, .setsProgramFolder = true, .closedBy = "cmdClose"},
    {.name = "zavOdudo", .caption = "Basic Asanas", .clientWidth = 6750, .clientHeight = 4470, .backColor = White,
     .buttons = NoButtons, .escape = Ends, .setsProgramFolder = true, .closedBy = "cmdClose"},
    {.name = "frmPhotoAsanas", .caption = "Yoga Asanas", .clientWidth = 9480, .clientHeight = 6435,
     .backColor = Black, .buttons = TitleButtons::CloseOnly, .programIcon = true, .escape = Ends,
     .setsProgramFolder = true, .closedBy = "lblExit"},
    {.name = "frmDirectory", .caption = "Yoga Directory", .clientWidth = 8145, .clientHeight = 3120,
     .backColor = LightCyan, .programIcon = true, .escape = Ends, .setsProgramFolder = true,
     .mousePointer = PointerCustom, .closedBy = "lblExit"},
    {.name = "frmCountry", .caption = "INTERNATIONAL YOGA DIRECTORY", .clientWidth = 8895, .clientHeight = 4485,
     .backColor = Olive, .programIcon = true, .escape = Ends, .setsProgramFolder = true, .closedBy = "lblExit"},
    {.name = "frmTradition", .caption = "YOGA STYLE - YOGA TRADITIONS", .clientWidth = 8925, .clientHeight = 4830,
     .backColor = Olive, .programIcon = true, .escape = Ends, .setsProgramFolder = true, .closedBy = "lblExit"},
    {.name = "frmSubmit", .caption = "                Submit your listing", .clientWidth = 4470,
     .clientHeight = 3495, .backColor = Black, .escape = Ends},
    {.name = "frmUpgrade", .caption = "Free Upgrade", .clientWidth = 4695, .clientHeight = 2430, .backColor = Black,
     .programIcon = true, .escape = Ends},
    {.name = "frmHalvena",
     .caption = "Halvena - The Program (available as Shareware and in the Full version.", .clientWidth = 7470,
     .clientHeight = 4140, .backColor = Black, .programIcon = true, .escape = Ends, .setsProgramFolder = true,
     .closedBy = "lblExit"},
    {.name = "frmHalvenaScreen", .caption = "Halvena ScreenShot", .clientWidth = 9480, .clientHeight = 6795,
     .backColor = LightYellow, .maximised = true, .programIcon = true, .escape = Ends, .setsProgramFolder = true},
    {.name = "frmHerbsScreen", .caption = "Herbal Section ScreenShot", .clientWidth = 9210, .clientHeight = 6240,
     .backColor = LightYellow, .maximised = true, .programIcon = true, .escape = Ends},
    {.name = "frmAbout", .caption = "Vireka", .clientWidth = 5730, .clientHeight = 3990,
     .border = Border::FixedDialog, .buttons = TitleButtons::CloseOnly, .placement = Placement::Manual,
     .clientLeft = 2340, .clientTop = 1935, .programIcon = true, .escape = EscapeRule::CancelButton,
     .showInTaskbar = false, .closedBy = "cmdOK"},
    {.name = "frmDisclaimer", .caption = "Disclaimer", .clientWidth = 7770, .clientHeight = 3765, .backColor = White,
     .border = Border::FixedSingle, .buttons = NoButtons, .placement = Placement::Manual, .clientLeft = 750,
     .clientTop = 720, .programIcon = true, .escape = Ends, .closedBy = "mnuClose"},
    {.name = "frmPhotoListings", .caption = "Photo Listings", .clientWidth = 4080, .clientHeight = 3660,
     .backColor = Black, .programIcon = true, .escape = Ends, .setsProgramFolder = true, .closedBy = "lblExit"},
    {.name = "frmCentre1", .clientWidth = 4440, .clientHeight = 5055, .backColor = Black, .closedBy = "lblExit"},
    {.name = "frmCentre2", .clientWidth = 8130, .clientHeight = 5430, .backColor = Olive, .closedBy = "lblExit"},
    {.name = "frmCentre3", .clientWidth = 6390, .clientHeight = 2895, .backColor = Grey},
    {.name = "frmCentre4", .clientWidth = 6435, .clientHeight = 2490, .backColor = DarkGrey},
    {.name = "frmCentre5", .clientWidth = 6555, .clientHeight = 2760, .backColor = Grey},
    {.name = "frmCentre6", .clientWidth = 7485, .clientHeight = 3165, .backColor = White},
    {.name = "frmCentre7", .clientWidth = 7620, .clientHeight = 3090, .backColor = DarkGrey},
    {.name = "frmCentre8", .clientWidth = 7680, .clientHeight = 3195, .backColor = White},
    {.name = "frmCentre9", .clientWidth = 6705, .clientHeight = 2505, .backColor = Black},
};

} // namespace detail

// Every screen's window properties, one row per screen class.
constexpr std::span<const ScreenSpec> screenTable()
{
    return detail::screens;
}

// The row of the screen class `name`, found while compiling: a name without a row does not build.
consteval const ScreenSpec &screenSpec(std::string_view name)
{
    for (const ScreenSpec &screen : detail::screens)
        if (std::string_view(screen.name) == name)
            return screen;
    throw "no screen of that name";
}

} // namespace vireka
