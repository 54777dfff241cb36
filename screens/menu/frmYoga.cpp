#include "frmYoga.h"

#include "DocumentArea.h"
#include "ScreenSlots.h"
#include "ScreenTable.h"
#include "Shell.h"
#include "galleries/frmPhotoAsanas.h"
#include "study/frmYogaInstructions.h"

namespace vireka {

namespace {

constexpr Colour Blue = RGB(0, 0, 192);
constexpr Colour White = RGB(255, 255, 255);

constexpr Colour Red = RGB(255, 0, 0);

// A link of the left-hand column: blue box, white caption.
constexpr ControlSpec menuLink(const char *name, const char *caption, int top, int height, int tabIndex)
{
    return boxedLink(name, caption, 120, top, 2175, height, Blue, White, 9.75, tabIndex);
}

const ControlSpec layout[] = {
    {.name = "rtfYoga", .kind = ControlKind::DocumentArea, .left = 2400, .top = 480, .width = 6975, .height = 5775,
     .backColor = Blue, .scrollBars = 2, .tabIndex = 10},
    boxedLink("lblExit", "EXIT", 1320, 5880, 975, 375, Blue, Red, 9.75, 11),
    boxedLink("lblAbout", "ABOUT", 120, 5880, 1095, 375, Blue, White, 8.25, 8),
    menuLink("lblUpgrades", "FREE UPGRADES", 5400, 375, 7),
    menuLink("lblAsanas", "YOGA ASANAS", 3480, 375, 4),
    {.name = "Image1", .kind = ControlKind::Image, .left = 120, .top = 120, .width = 2160, .height = 1065,
     .stretch = true, .toolTip = "Halasana", .picture = "frmYoga/Image1.bmp"},
    menuLink("lblHalvena", "HALVENA THE PROGRAM", 4680, 615, 6),
    {.name = "lblTesmara", .caption = "TESMARA", .left = 120, .top = 3960, .width = 2175, .height = 615,
     .backColor = Blue, .foreColor = White, .font = SansBold(9.75), .borderStyle = 1, .alignment = Align::Centre,
     .wordWrap = true, .tabIndex = 5},
    {.name = "Label15", .caption = "VIREKA", .left = 2520, .top = 120, .width = 6735, .height = 495,
     .foreColor = RGB(255, 255, 0), .font = SansBold(13.5), .transparent = true, .alignment = Align::Centre,
     .tabIndex = 9},
    menuLink("lblDirectory", "YOGA DIRECTORY", 3000, 375, 3),
    menuLink("lblArticles", "YOGA ARTICLES", 2520, 375, 2),
    {.name = "lblTraditions", .caption = "YOGA TRADITIONS", .left = 120, .top = 1320, .width = 2175, .height = 375,
     .backColor = Blue, .foreColor = White, .font = SansBold(9.75), .borderStyle = 1, .alignment = Align::Centre,
     .toolTip = "Click for Definitions", .tabIndex = 1},
    menuLink("lblInstructions", "YOGA INSTRUCTIONS", 1800, 615, 0),
};


} // namespace

const Handler<frmYoga> frmYoga::handlers[] = {
    {"lblInstructions", Event::Click, &frmYoga::lblInstructions_Click},
    {"lblTraditions", Event::Click, &frmYoga::lblTraditions_Click},
    {"lblArticles", Event::Click, &frmYoga::lblArticles_Click},
    {"lblDirectory", Event::Click, &frmYoga::lblDirectory_Click},
    {"lblAsanas", Event::Click, &frmYoga::lblAsanas_Click},
    {"lblTesmara", Event::Click, &frmYoga::lblTesmara_Click},
    {"lblHalvena", Event::Click, &frmYoga::lblHalvena_Click},
    {"lblUpgrades", Event::Click, &frmYoga::lblUpgrades_Click},
    {"lblAbout", Event::Click, &frmYoga::lblAbout_Click},
    {"lblExit", Event::Click, &frmYoga::lblExit_Click},
};


frmYoga::frmYoga() : Screen(screenSpec("frmYoga"), layout) {}

DocumentArea *frmYoga::rtfYoga() const
{
    return control<DocumentArea>("rtfYoga");
}

void frmYoga::Form_Load()
{
    if (SetProgramFolder() == OutOfMemory)
        ShowMessage(shortOnMemoryText());
}

void frmYoga::connectHandlers()
{
    bind<frmYoga>(handlers);
}

void frmYoga::lblInstructions_Click() { OpenScreen<frmYogaInstructions>(); }
void frmYoga::lblAsanas_Click() { OpenScreen<frmPhotoAsanas>(); }
void frmYoga::lblTraditions_Click() { LoadDocument(rtfYoga(), QStringLiteral("\\YogaDef.rtf")); }

// The screens these links open come with their own sections; until then the links do nothing.
void frmYoga::lblArticles_Click() {}
void frmYoga::lblDirectory_Click() {}
void frmYoga::lblTesmara_Click() {}
void frmYoga::lblHalvena_Click() {}
void frmYoga::lblUpgrades_Click() {}
void frmYoga::lblAbout_Click() {}

void frmYoga::lblExit_Click() { CloseScreen<frmYoga>(); }

} // namespace vireka
