#include "frmDisclaimer.h"

#include "DocumentArea.h"
#include "ScreenSlots.h"

namespace vireka {

namespace {

constexpr const char *PageOne = "\\Disclaim.rtf";
constexpr const char *PageTwo = "\\CopyLiab.rtf";

const ControlSpec layout[] = {
    {.name = "mnuNextPage", .kind = ControlKind::Menu, .caption = "NextPage"},
    {.name = "mnuBack", .kind = ControlKind::Menu, .caption = "Back"},
    {.name = "mnuClose", .kind = ControlKind::Menu, .caption = "Close"},
    // Exactly the client area: any larger and the end of each page, with the scroll bar's down
    // arrow, would lie outside the window where nobody could scroll to it.
    {.name = "rtfDisclaimer", .kind = ControlKind::DocumentArea, .left = 0, .top = 0, .width = 7770,
     .height = 3765, .backColor = SystemWindowBackground, .scrollBars = 2, .tabIndex = 0},
};

} // namespace

frmDisclaimer::frmDisclaimer() : Screen(Spec, layout) {}

void frmDisclaimer::showPage(const char *file)
{
    auto &area = control<DocumentArea>("rtfDisclaimer");
    ClearDocument(area);
    LoadDocument(area, QString::fromLatin1(file));
}

void frmDisclaimer::Form_Load() { showPage(PageOne); }
void frmDisclaimer::mnuNextPage_Click() { showPage(PageTwo); }
void frmDisclaimer::mnuBack_Click() { showPage(PageOne); }
void frmDisclaimer::mnuClose_Click() { CloseScreen<frmDisclaimer>(); }

} // namespace vireka
