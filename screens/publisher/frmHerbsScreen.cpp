#include "frmHerbsScreen.h"

namespace vireka {

// The box takes its picture's size plus its border: 629 x 432 pixels and 2 on each side.
const ControlSpec layout[] = {
    {.name = "Picture1", .kind = ControlKind::PictureBox, .left = 0, .top = 0, .width = 9495, .height = 6540,
     .autoSize = true, .picture = "frmHerbsScreen/Picture1.jpg", .tabIndex = 0},
};

const ScreenSpec frmHerbsScreen::Spec{
    .caption = "Herbal Section ScreenShot", .clientWidth = 9210, .clientHeight = 6240,
    .backColor = colours::LightYellow, .maximised = true, .programIcon = true, .escape = EscapeRule::EndsProgram, .controls = layout};

} // namespace vireka
