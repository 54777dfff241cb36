#include "frmUpgrade.h"

#include "DirectoryNames.h"

namespace vireka {

using namespace colours;

static std::string line(int leadingSpaces, const std::string &text)
{
    return std::string(std::size_t(leadingSpaces), ' ') + text + "\r\n";
}

const std::string frmUpgrade::Notice = line(0, "This program will be upgraded from time ") + line(0, "to time. ") +
                                       line(10, "You may want to register for ") +
                                       line(2, "upgrade announcements by sending a ") + line(26, "note to:") +
                                       line(14, directory::publisherEmail) + line(18, directory::publisherName);

const ControlSpec layout[] = {
    {.name = "Text1", .kind = ControlKind::TextBox, .caption = frmUpgrade::Notice.c_str(), .left = 120, .top = 120,
     .width = 4455, .height = 2175, .backColor = Navy, .foreColor = White, .font = SansBold(9.75), .tabIndex = 0},
};

const ScreenSpec frmUpgrade::Spec{
    .caption = "Free Upgrade", .clientWidth = 4695, .clientHeight = 2430, .backColor = Black, .programIcon = true,
    .escape = EscapeRule::EndsProgram, .controls = layout};

} // namespace vireka
