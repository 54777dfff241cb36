#include "frmPhotoAsanas.h"

#include "DirectoryNames.h"
#include "ImageControl.h"
#include "LabelControl.h"
#include "PictureFile.h"
#include "ListBoxControl.h"

#include <array>

namespace vireka {

namespace {

using namespace colours;

// The list shows the postures in this order; the photographs are not always named like them.
struct Pose {
    const char *entry;
    const char *picture;
    int credit; // 1 to 8
};

constexpr Pose poses[] = {
    {"Bakasana", "\\Bakasana.jpg", 5},
    {"Bipjanu", "\\Bipjanu.jpg", 4},
    {"Biuttan", "\\Biuttan.jpg", 4},
    {"Dhanurasana", "\\Dhanurasana.jpg", 6},
    {"Halasana", "\\Halasana.bmp", 1},
    {"Halasana2", "\\Halasana2.jpg", 8},
    {"Karnapidasana", "\\Karnapid.bmp", 1},
    {"Marichyasana", "\\Marichyasana.jpg", 6},
    {"MukhaSvanasana", "\\MukhaSvanasana.bmp", 7},
    {"Natarajasana", "\\Natarajasana.jpg", 5},
    {"Nauli", "\\Nauli.bmp", 1},
    {"Padmasana", "\\Padmasana.bmp", 1},
    {"PadmasanaSirsasana", "\\Padmasir.bmp", 1},
    {"Pashimottasana", "\\Pashimot.bmp", 1},
    {"Rajakapotasana", "\\Rajakapotasana.jpg", 4},
    {"Rajakapotasana2", "\\Rajakapotasana2.jpg", 6},
    {"Sarvangasana", "\\Sarvangasana.jpg", 8},
    {"Siddhasana", "\\Siddhasana.bmp", 1},
    {"KundaliniPose", "\\KundaliniPose.jpg", 3},
    {"Sirsasana", "\\Sirsasana.jpg", 2},
    {"Tadasana", "\\Tadasana.jpg", 6},
    {"Trikona", "\\Trikona.jpg", 8},
    {"UrdhavaDandasana", "\\Dandasana.jpg", 8},
    {"Vamadevasana", "\\Vamadevasana.jpg", 5},
};

// The list's entries are the table's, in the same order, so each entry has exactly one row.
constexpr auto entries = [] {
    std::array<const char *, std::size(poses)> texts{};
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = poses[i].entry;
    return texts;
}();

// Credit lines 2 to 8 name a listing of the photo listings browser; the names come from the
// directory data so that both screens say the same.
QString creditLine(int credit)
{
    if (credit == 1)
        return QStringLiteral("Photo courtesy of Morvane Zuvovuroda");
    return QStringLiteral("Photo courtesy of ") + QString::fromLatin1(directory::creditNameParts[credit - 2]) +
           QStringLiteral(" (see Listing)");
}

const ControlSpec layout[] = {
    boxedLink("lblExit", "EXIT", {8640, 0, 855, 255},
              {.back = BrightBlue, .fore = DarkRed, .points = 8.25, .tabIndex = 0}),
    {.name = "lstAsanas", .kind = ControlKind::ListBox, .left = 120, .top = 240, .width = 2175, .height = 6060,
     .backColor = Navy, .foreColor = Yellow, .font = Sans(9.75), .items = entries,
     .tabIndex = 1},
    {.name = "lblAsanas", .left = 6480, .top = 240, .width = 1125, .height = 195, .autoSize = true,
     .visible = false, .tabIndex = 2},
    {.name = "lblCourtesy", .left = 2280, .top = 0, .width = 6375, .height = 255, .backColor = BrightBlue,
     .foreColor = White, .font = Sans(8.25), .borderStyle = 1, .alignment = Align::Centre, .tabIndex = 3},
    boxedLink("Label1", "Click Asana below", {120, 0, 2175, 255},
              {.back = BrightBlue, .fore = White, .points = 8.25, .tabIndex = 4}),
    {.name = "Image1", .kind = ControlKind::Image, .left = 2280, .top = 240, .width = 3615, .height = 3615},
};

} // namespace

const ScreenSpec frmPhotoAsanas::Spec{
    .caption = "Yoga Asanas", .clientWidth = 9480, .clientHeight = 6435, .backColor = Black,
    .buttons = TitleButtons::CloseOnly, .programIcon = true, .escape = EscapeRule::EndsProgram,
    .setsProgramFolder = true, .closedBy = "lblExit", .controls = layout};

// Passes the chosen entry on through the hidden label, whose change shows the posture.
void frmPhotoAsanas::lstAsanas_Click()
{
    auto &list = control<ListBoxControl>("lstAsanas");
    for (int i = 0; i < list.count(); ++i)
        if (list.item(i)->isSelected())
            control<LabelControl>("lblAsanas").setCaption(list.item(i)->text());
}

void frmPhotoAsanas::lblAsanas_Change()
{
    // Read for every row, so that each comparison sees what the label holds at that moment.
    for (const Pose &pose : poses) {
        if (control<LabelControl>("lblAsanas").caption() != QLatin1String(pose.entry))
            continue;
        // The credit line follows only a picture that loaded, so a failure leaves both as they were.
        if (!LoadPictureFile(control<ImageControl>("Image1"), QString::fromLatin1(pose.picture)))
            return;
        control<LabelControl>("lblCourtesy").setCaption(creditLine(pose.credit));
    }
}

} // namespace vireka
