#include "frmDisclaimer.h"

#include "DocumentArea.h"

namespace vireka {

constexpr const char *PageOne = "\\Disclaim.rtf";
constexpr const char *PageTwo = "\\CopyLiab.rtf";

const ControlSpec layout[] = {
    {.name = "mnuNextPage", .kind = ControlKind::Menu, .caption = "NextPage"},
    {.name = "mnuBack", .kind = ControlKind::Menu, .caption = "Back"},
    {.name = "mnuClose", .kind = ControlKind::Menu, .caption = "Close"},
    // Exactly the client area: any larger and the end of each page, with the scroll bar's down
    // arrow, would lie outside the window where nobody could scroll to it.
    {.name = "rtfDisclaimer", .kind = ControlKind::DocumentArea, .left = 0, .top = 0, .width = 7770,
     .height = 3765, .backColor = SystemWindowBackground, .scrollBars = ScrollBars::Vertical, .tabIndex = 0},
};

const ScreenSpec frmDisclaimer::Spec{
    .caption = "Disclaimer", .clientWidth = 7770, .clientHeight = 3765, .backColor = colours::White,
    .border = Border::FixedSingle, .buttons = TitleButtons::None, .placement = Placement::Manual, .clientLeft = 750,
    .clientTop = 720, .programIcon = true, .escape = EscapeRule::EndsProgram, .closedBy = "mnuClose",
    .controls = layout, .opens = {"rtfDisclaimer", PageOne}};

// Each page is emptied first and shown from the top, so a page that fails to load leaves none.
void frmDisclaimer::showPage(const char *file)
{
    auto &area = control<DocumentArea>("rtfDisclaimer");
    ClearDocument(area);
    LoadDocument(area, QString::fromLatin1(file));
}

void frmDisclaimer::mnuNextPage_Click() { showPage(PageTwo); }
void frmDisclaimer::mnuBack_Click() { showPage(PageOne); }

} // namespace vireka
