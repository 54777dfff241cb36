#include "zavOdudo.h"

#include "GalleryControls.h"

namespace vireka {

using namespace colours;
using namespace gallery;

// The name of a posture under its photograph: bold, on white, in the default text colour.
static constexpr ControlSpec postureName(const char *name, const char *caption, int left, int width,
                                         Align alignment = Align::Left)
{
    return {.name = name, .caption = caption, .left = left, .top = 2160, .width = width, .height = 615,
            .backColor = White, .font = SansBold(8.25), .alignment = alignment};
}

const ControlSpec layout[] = {
    photo("Image9", "zavOdudo/Image9.bmp", {0, 240, 1815, 1815}),
    postureName("Label1", "   Dhanurasana - Bow - Bogen", 0, 1815, Align::Centre),
    photo("Image10", "zavOdudo/Image10.bmp", {1800, 240, 1575, 1815}),
    postureName("Label2", "Marichyasana - Twisted Seat - Drehsitz", 1800, 1695),
    photo("Image11", "zavOdudo/Image11.bmp", {3480, 240, 1215, 1815}),
    postureName("Label3", "FormTadasana - Tree - Baum/Einbein", 3480, 1455),
    photo("Image12", "zavOdudo/Image12.bmp", {4800, 240, 1935, 1815}),
    postureName("Label4", "Rajakapotasana - King of Pigeons Pose/Cobra - Kobra", 4920, 1695),
    closeButton({5880, 0, 855, 255}, {.points = 8.25, .tabIndex = 4}),
    storedText("RichTextBox1", "zavOdudo/RichTextBox1.rtf", {0, 2760, 6735, 1695},
               {.back = SystemWindowBackground, .tabIndex = 5}),
};

const ScreenSpec zavOdudo::Spec{
    .caption = "Basic Asanas", .clientWidth = 6750, .clientHeight = 4470, .backColor = White,
    .buttons = TitleButtons::None, .escape = EscapeRule::EndsProgram, .setsProgramFolder = true, .closedBy = "cmdClose",
    .controls = layout};

} // namespace vireka
