#include "frmSubmit.h"

#include "DirectoryNames.h"

#include <string>

namespace vireka {

using namespace colours;

// The contact lines come from the publisher's record, so the notice says what every other text says.
// Some lines end in a space, and the last line has its break too.
const std::string storedNotice = std::string("Listing requests must come directly \r\n"
                                             "from any particular Yoga Center.\r\n"
                                             "\r\n"
                                             "Please, send your listing information to: \r\n") +
                                 directory::publisherEmail + "\r\n" +
                                 "Or, if you have no internet connection, to:\r\n" +
                                 directory::publisherName + "\r\n" +
                                 directory::publisherAddress + "\r\n" +
                                 "\r\n"
                                 "To see the listing on the web go to:\r\n" +
                                 directory::publisherDirectoryWeb + "\r\n" +
                                 "\r\n"
                                 "All listings are free of charge.\r\n";

const ControlSpec layout[] = {
    {.name = "Text1", .kind = ControlKind::TextBox, .caption = storedNotice.c_str(), .left = 120, .top = 120,
     .width = 4215, .height = 3255, .backColor = Navy, .foreColor = White, .font = Sans(9.75),
     .scrollBars = ScrollBars::Vertical, .tabIndex = 0},
};

const ScreenSpec frmSubmit::Spec{
    .caption = "                Submit your listing", .clientWidth = 4470, .clientHeight = 3495, .backColor = Black,
    .escape = EscapeRule::EndsProgram, .controls = layout};

} // namespace vireka
