#include "frmAbout.h"

#include "DirectoryNames.h"
#include "ScreenSlots.h"
#include "publisher/frmDisclaimer.h"

#include <string>
#include <string_view>

namespace vireka {

using namespace colours;

constexpr FontSpec SerifText{"MS Serif", 9.75};
constexpr FontSpec BlueItalicTitle{"Times New Roman", 24, true, true};

// The box has one line for telephone and fax, so it holds while they are one number.
static_assert(std::string_view(directory::publisherPhone) == directory::publisherFax);

const std::string phoneLine = std::string("Phone/ Fax:") + directory::publisherPhone + "  ";
const std::string emailLine = std::string("E-Mail:    ") + directory::publisherEmail;
const std::string webLine = std::string("Web:       ") + directory::publisherWeb;
const std::string author = std::string("Copyright 1999 by ") + directory::publisherName;

// In stacking order, topmost first.
const ControlSpec layout[] = {
    {.name = "cmdDisclaimer", .kind = ControlKind::CommandButton, .caption = "Disclaimer: Read this first!",
     .left = 960, .top = 3360, .width = 2295, .height = 375, .tabIndex = 10},
    {.name = "cmdOK", .kind = ControlKind::CommandButton, .caption = "OK", .left = 4080, .top = 3360,
     .width = 1260, .height = 345, .isDefault = true, .isCancel = true, .tabIndex = 0},
    {.name = "lblCopyright", .caption = "Copyright (C) 1999. All rights reserved.", .left = 1680, .top = 2880,
     .width = 2670, .height = 195, .backColor = Silver, .foreColor = SystemWindowText, .autoSize = true,
     .tabIndex = 9},
    {.name = "Line2", .kind = ControlKind::Line, .line = {960, 2760, 5280, 2760}, .foreColor = Red,
     .borderWidth = 2},
    {.name = "Label4", .caption = webLine.c_str(), .left = 960, .top = 2280, .width = 4395, .height = 240,
     .font = SerifText, .autoSize = true, .tabIndex = 8},
    {.name = "Label1", .caption = emailLine.c_str(), .left = 960, .top = 2040, .width = 2700, .height = 240,
     .font = SerifText, .autoSize = true, .tabIndex = 7},
    {.name = "lblPhoneNr", .caption = phoneLine.c_str(), .left = 960, .top = 1800, .width = 2010, .height = 195,
     .backColor = Silver, .foreColor = SystemWindowText, .autoSize = true, .tabIndex = 6},
    {.name = "Label2", .caption = directory::publisherAddress, .left = 960, .top = 1560, .width = 4335,
     .height = 255, .font = SansBold(8.25), .transparent = true, .tabIndex = 5},
    {.name = "lblCompany", .caption = "MorvaneZuvovuroda", .left = 1080, .top = 840, .width = 4095, .height = 615,
     .backColor = Silver, .foreColor = BrightBlue, .font = BlueItalicTitle, .tabIndex = 4},
    {.name = "Line1", .kind = ControlKind::Line, .line = {960, 720, 5280, 720}, .foreColor = Red, .borderWidth = 2,
     .index = 2},
    {.name = "lblComments", .caption = author.c_str(), .left = 2400, .top = 360, .width = 2925, .height = 195,
     .backColor = Silver, .font = SansBold(8.25), .autoSize = true, .tabIndex = 3},
    {.name = "lblRights", .caption = "All Rights Reserved", .left = 3120, .top = 120, .width = 1620,
     .height = 240, .font = SerifText, .autoSize = true, .tabIndex = 2},
    {.name = "lblAppName", .caption = "VIREKA", .left = 1080, .top = 120, .width = 1305, .height = 540,
     .backColor = Silver, .foreColor = BrightBlue, .font = BlueItalicTitle, .autoSize = true, .tabIndex = 1},
    {.name = "imgLogo", .kind = ControlKind::Image, .left = 120, .top = 720, .width = 735, .height = 735,
     .stretch = true, .picture = "frmAbout/imgLogo.bmp"},
    // The etched separator: a grey line over a wider white one.
    {.name = "Line1", .kind = ControlKind::Line, .line = {90, 3240, 5654, 3240}, .foreColor = Grey,
     .borderStyle = 6, .index = 1},
    {.name = "Line1", .kind = ControlKind::Line, .line = {105, 3240, 5654, 3240}, .foreColor = White,
     .borderWidth = 2, .index = 0},
};

const ScreenSpec frmAbout::Spec{
    .caption = "Vireka", .clientWidth = 5730, .clientHeight = 3990, .border = Border::FixedDialog,
    .buttons = TitleButtons::CloseOnly, .placement = Placement::Manual, .clientLeft = 2340, .clientTop = 1935,
    .programIcon = true, .escape = EscapeRule::CancelButton, .showInTaskbar = false, .closedBy = "cmdOK",
    .closeRule = CloseRule::UnloadsOnly, .controls = layout};

void frmAbout::cmdDisclaimer_Click() { OpenScreen<frmDisclaimer>(); }

} // namespace vireka
