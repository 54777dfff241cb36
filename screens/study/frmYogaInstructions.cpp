#include "frmYogaInstructions.h"

#include "DocumentArea.h"
#include "ScreenSlots.h"
#include "ScreenTable.h"

namespace vireka {

namespace {

constexpr Colour Navy = RGB(0, 0, 128);
constexpr Colour OliveYellow = RGB(192, 192, 0);

// A topic link of the column: navy box, olive-yellow bold caption.
constexpr ControlSpec topic(const char *name, const char *caption, int top, int tabIndex)
{
    return boxedLink(name, caption, 240, top, 1695, 255, Navy, OliveYellow, 8.25, tabIndex);
}

const ControlSpec layout[] = {
    {.name = "Label1", .caption = "YOGA INSTRUCTIONS RELATED TO:", .left = 2640, .top = 120, .width = 5535,
     .height = 375, .foreColor = OliveYellow, .font = SansBold(13.5), .transparent = true,
     .alignment = Align::Centre, .wordWrap = true, .tabIndex = 0},
    {.name = "Image1", .kind = ControlKind::Image, .left = 240, .top = 360, .width = 1695, .height = 1215,
     .stretch = true, .picture = "frmYogaInstructions/Image1.jpg"},
    {.name = "Label2", .caption = "HATHA, RADJA, ASHTANGA, KUNDALINI, MANTRA, GYANA, LAYA AND JNANA YOGA.",
     .left = 2160, .top = 600, .width = 6615, .height = 375, .foreColor = OliveYellow, .transparent = true,
     .tabIndex = 10},
    {.name = "rtfInstructions", .kind = ControlKind::DocumentArea, .left = 2160, .top = 960, .width = 6495,
     .height = 4335, .backColor = Navy, .scrollBars = 2, .tabIndex = 11},
    topic("lblIntroduction", "INTRODUCTION", 1800, 1),
    topic("lblEight", "EIGHT STEPS", 2160, 12),
    topic("lblCleansing", "PURIFICATION", 2520, 3),
    topic("lblAsanas", "ASANAS", 2880, 2),
    topic("lblPranayama", "PRANAYAMA", 3240, 4),
    topic("lblMudras", "MUDRAS", 3600, 5),
    topic("lblConcentration", "CONCENTRATION", 3960, 6),
    topic("lblMeditation", "MEDITATION", 4320, 7),
    topic("lblSamadhi", "SAMADHI", 4680, 8),
    boxedLink("lblExit", "EXIT", 240, 5040, 1695, 255, Navy, RGB(255, 0, 0), 8.25, 9),
};

struct Link {
    const char *control;
    const char *document;
};

// Which document each topic link loads; the names are fixed and not derived from the captions.
const Link links[] = {
    {"lblIntroduction", "\\Introduction.rtf"},
    {"lblEight", "\\Eight.rtf"},
    {"lblCleansing", "\\Purification.rtf"},
    {"lblAsanas", "\\Asanas.rtf"},
    {"lblPranayama", "\\Pranayama.rtf"},
    {"lblMudras", "\\Mudras.rtf"},
    {"lblConcentration", "\\Concentration.rtf"},
    {"lblMeditation", "\\Meditate.rtf"},
    {"lblSamadhi", "\\Samadhi.rtf"},
};

} // namespace

const Handler<frmYogaInstructions> frmYogaInstructions::handlers[] = {
    {"lblExit", Event::Click, &frmYogaInstructions::lblExit_Click},
};


frmYogaInstructions::frmYogaInstructions() : Screen(screenSpec("frmYogaInstructions"), layout) {}

DocumentArea *frmYogaInstructions::rtfInstructions() const
{
    return control<DocumentArea>("rtfInstructions");
}

void frmYogaInstructions::connectHandlers()
{
    for (const Link &link : links)
        on(link.control, Event::Click, [this, document = link.document] {
            LoadDocument(rtfInstructions(), QString::fromLatin1(document));
        });
    bind<frmYogaInstructions>(handlers);
}

void frmYogaInstructions::lblExit_Click() { CloseScreen<frmYogaInstructions>(); }

} // namespace vireka
