#include "frmHalvenaScreen.h"

namespace vireka {

// The box takes its picture's size plus its border: 637 x 477 pixels and 2 on each side.
const ControlSpec layout[] = {
    {.name = "Picture1", .kind = ControlKind::PictureBox, .left = 0, .top = 0, .width = 9615, .height = 7215,
     .autoSize = true, .picture = "frmHalvenaScreen/Picture1.jpg", .tabIndex = 0},
};

const ScreenSpec frmHalvenaScreen::Spec{
    .caption = "Halvena ScreenShot", .clientWidth = 9480, .clientHeight = 6795, .backColor = colours::LightYellow,
    .maximised = true, .programIcon = true, .escape = EscapeRule::EndsProgram, .setsProgramFolder = true,
    .controls = layout};

} // namespace vireka
