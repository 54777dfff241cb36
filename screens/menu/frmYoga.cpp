#include "frmYoga.h"

#include "ScreenSlots.h"
#include "Shell.h"
#include "directory/frmDirectory.h"
#include "galleries/frmPhotoAsanas.h"
#include "publisher/frmAbout.h"
#include "publisher/frmHalvena.h"
#include "publisher/frmUpgrade.h"
#include "study/frmArticles.h"
#include "study/frmTesmara.h"
#include "study/frmYogaInstructions.h"

namespace vireka {

using namespace colours;

// A link of the left-hand column: blue box, white caption.
static constexpr ControlSpec menuLink(const char *name, const char *caption, int top, int height, int tabIndex)
{
    return boxedLink(name, caption, {120, top, 2175, height},
                     {.back = Blue, .fore = White, .points = 9.75, .tabIndex = tabIndex});
}

// YOGA TRADITIONS stays on the menu: it shows the definitions in the menu's own area.
const ControlSpec layout[] = {
    {.name = "rtfYoga", .kind = ControlKind::DocumentArea, .left = 2400, .top = 480, .width = 6975, .height = 5775,
     .backColor = Blue, .scrollBars = ScrollBars::Vertical, .tabIndex = 10},
    boxedLink("lblExit", "EXIT", {1320, 5880, 975, 375}, {.back = Blue, .fore = Red, .points = 9.75, .tabIndex = 11}),
    boxedLink("lblAbout", "ABOUT", {120, 5880, 1095, 375},
              {.back = Blue, .fore = White, .points = 8.25, .tabIndex = 8}),
    menuLink("lblUpgrades", "FREE UPGRADES", 5400, 375, 7),
    menuLink("lblAsanas", "YOGA ASANAS", 3480, 375, 4),
    {.name = "Image1", .kind = ControlKind::Image, .left = 120, .top = 120, .width = 2160, .height = 1065,
     .stretch = true, .toolTip = "Halasana", .picture = "frmYoga/Image1.bmp"},
    menuLink("lblHalvena", "HALVENA THE PROGRAM", 4680, 615, 6),
    {.name = "lblTesmara", .caption = "TESMARA", .left = 120, .top = 3960, .width = 2175, .height = 615,
     .backColor = Blue, .foreColor = White, .font = SansBold(9.75), .borderStyle = 1, .alignment = Align::Centre,
     .wordWrap = true, .tabIndex = 5},
    {.name = "Label15", .caption = "VIREKA", .left = 2520, .top = 120, .width = 6735, .height = 495,
     .foreColor = Yellow, .font = SansBold(13.5), .transparent = true, .alignment = Align::Centre, .tabIndex = 9},
    menuLink("lblDirectory", "YOGA DIRECTORY", 3000, 375, 3),
    menuLink("lblArticles", "YOGA ARTICLES", 2520, 375, 2),
    {.name = "lblTraditions", .caption = "YOGA TRADITIONS", .left = 120, .top = 1320, .width = 2175, .height = 375,
     .backColor = Blue, .foreColor = White, .font = SansBold(9.75), .borderStyle = 1, .alignment = Align::Centre,
     .toolTip = "Click for Definitions", .tabIndex = 1, .loads = "\\YogaDef.rtf"},
    menuLink("lblInstructions", "YOGA INSTRUCTIONS", 1800, 615, 0),
};

const ScreenSpec frmYoga::Spec{
    .caption = "  VIREKA: A FREEWARE PROGRAM FROM MORVANE ZUVOVURODA", .clientWidth = 9480, .clientHeight = 6390,
    .backColor = Black, .maximised = true, .programIcon = true, .escape = EscapeRule::EndsProgram,
    .setsProgramFolder = true, .closedBy = "lblExit", .controls = layout, .linkArea = "rtfYoga",
    .linkRule = LoadRule::OverShown};

void frmYoga::Form_Load()
{
    if (SetProgramFolder() == OutOfMemory)
        ShowMessage(QStringLiteral("You are short on Memory.\r\n"
                                   "Settings might need adjusting,or Computer might need more RAM."));
}

void frmYoga::lblInstructions_Click() { OpenScreen<frmYogaInstructions>(); }
void frmYoga::lblAsanas_Click() { OpenScreen<frmPhotoAsanas>(); }
void frmYoga::lblArticles_Click() { OpenScreen<frmArticles>(); }
void frmYoga::lblDirectory_Click() { OpenScreen<frmDirectory>(); }
void frmYoga::lblTesmara_Click() { OpenScreen<frmTesmara>(); }
void frmYoga::lblHalvena_Click() { OpenScreen<frmHalvena>(); }
void frmYoga::lblUpgrades_Click() { OpenScreen<frmUpgrade>(); }
void frmYoga::lblAbout_Click() { OpenScreen<frmAbout>(); }

} // namespace vireka
