#include "frmTesmara.h"

#include "DirectoryNames.h"

#include <string>

namespace vireka {

using namespace colours;

static constexpr FontSpec Underlined(double points) { return {"MS Sans Serif", points, true, false, true}; }

// A part heading: plain white text that does nothing when clicked.
static constexpr ControlSpec heading(const char *name, const char *caption, int top, int width, int tabIndex)
{
    return {.name = name, .caption = caption, .left = 120, .top = top, .width = width, .height = 375,
            .foreColor = White, .font = SansBold(12), .transparent = true, .tabIndex = tabIndex};
}

// A part title under its heading: underlined white text with the custom cursor.
static constexpr ControlSpec partLink(const char *name, const char *caption, int top, int width, int height,
                                      bool wordWrap, int tabIndex, const char *file)
{
    return {.name = name, .caption = caption, .left = 120, .top = top, .width = width, .height = height,
            .foreColor = White, .font = Underlined(8.25), .transparent = true, .wordWrap = wordWrap,
            .mousePointer = PointerCustom, .tabIndex = tabIndex, .loads = file};
}

// The runs of spaces carry each item past the label's right edge, so that every item starts a line.
const std::string spacesToTheNextLine(64, ' ');
const std::string vitalData = std::string(directory::tesmaraPages) + " pages" + spacesToTheNextLine +
                              "Photos, graphics, a yantra in colour" + spacesToTheNextLine +
                              "Dealers: contact a book distributor or the publisher";

const ControlSpec layout[] = {
    {.name = "Label11",
     .caption = "TESMARA is a complete manual on knowing one's self, with its own approach to a proof of the "
                "existence of God.",
     .left = 120, .top = 120, .width = 5895, .height = 855, .backColor = Blue, .foreColor = White,
     .font = SansBold(9.75), .tabIndex = 11},
    {.name = "Image1", .kind = ControlKind::Image, .left = 6120, .top = 120, .width = 2535, .height = 1815,
     .stretch = true, .picture = "frmTesmara/Image1.bmp"},
    {.name = "Label12", .caption = vitalData.c_str(), .left = 3120, .top = 1080, .width = 2895, .height = 855,
     .foreColor = White, .transparent = true, .tabIndex = 13},
    heading("Label2", "PART ONE:", 1320, 1575, 1),
    partLink("Label1", "CIRCUMSTANTIAL EVIDENCE FOR THE EXISTENCE OF GOD", 1680, 2895, 495, true, 0, "\\PartOne.rtf"),
    {.name = "rtfTesmara", .kind = ControlKind::DocumentArea, .left = 2880, .top = 2040, .width = 5775,
     .height = 3735, .backColor = Blue, .scrollBars = ScrollBars::Vertical, .tabIndex = 12},
    heading("Label3", "PART TWO:", 2400, 1575, 2),
    partLink("Label4", "THE QUINTESSENCE - THE SOUL OF SCRIPTURE", 2760, 2415, 495, true, 3, "\\PartTwo.rtf"),
    heading("Label5", "PART THREE:", 3480, 2055, 4),
    partLink("Label6", "THE INQUIRY INTO THE SELF", 3840, 2895, 375, false, 5, "\\PartThree.rtf"),
    heading("Label7", "PART FOUR:", 4440, 1815, 6),
    partLink("Label8", "SOURCES OF KNOWLEDGE", 4800, 2655, 255, false, 7, "\\PartFour.rtf"),
    heading("Label9", "PART FIVE:", 5400, 1695, 8),
    partLink("Label10", "PSYCHIC POWERS", 5760, 1815, 255, false, 9, "\\PartFive.rtf"),
    // "Summary" is a link without the custom cursor.
    {.name = "lblSummary", .caption = "Summary", .left = 2880, .top = 5880, .width = 1095, .height = 255,
     .foreColor = White, .font = Underlined(9.75), .transparent = true, .tabIndex = 15, .loads = "\\TesmaraAd.rtf"},
    {.name = "Label13", .caption = "How to order Tesmara", .left = 4080, .top = 5880, .width = 2775,
     .height = 255, .foreColor = White, .font = Underlined(9.75), .transparent = true,
     .mousePointer = PointerCustom, .tabIndex = 14, .loads = "\\Order.rtf"},
    // Holds the focus when the screen opens, so Enter closes it; it is not the default button.
    {.name = "cmdClose", .kind = ControlKind::CommandButton, .caption = "EXIT", .left = 7560, .top = 5880,
     .width = 1095, .height = 375, .font = SansBold(12), .tabIndex = 10},
};

const ScreenSpec frmTesmara::Spec{
    .caption = "TESMARA", .clientWidth = 8820, .clientHeight = 6315, .backColor = Black, .buttons = TitleButtons::None,
    .programIcon = true, .escape = EscapeRule::EndsProgram, .setsProgramFolder = true, .closedBy = "cmdClose",
    .controls = layout, .linkArea = "rtfTesmara", .linkRule = LoadRule::ClearFirst};

} // namespace vireka
