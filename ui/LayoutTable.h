#pragma once

#include "Colour.h"
#include "Fonts.h"

#include <span>

namespace vireka {

enum class ControlKind { Label, Image, Line, PictureBox, ListBox, CommandButton, TextBox, DocumentArea, Menu };

enum class Align { Left = 0, Right = 1, Centre = 2 };

// Pointer kinds: 0 the default arrow, 99 the program's custom cursor.
constexpr int PointerDefault = 0;
constexpr int PointerCustom = 99;

// A control's rectangle in twips, as the tables give it.
struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
};

enum class ScrollBars { None = 0, Horizontal = 1, Vertical = 2, Both = 3 };

struct LineEnds {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// One row of a screen's layout table. Positions are twips in the client area. Fields are written
// with designated initialisers, so a row names only what differs from the kind's defaults; they must
// appear in the order declared here.
struct ControlSpec {
    const char *name = "";
    ControlKind kind = ControlKind::Label;
    const char *caption = "";           // label/button caption, text box text, menu caption
    int left = 0, top = 0, width = 0, height = 0;
    LineEnds line{};                    // lines only
    Colour backColor = KindDefault;
    Colour foreColor = KindDefault;     // text colour; a line's BorderColor
    FontSpec font{};
    bool transparent = false;           // BackStyle 0
    int borderStyle = -1;               // -1: the kind's default
    Align alignment = Align::Left;
    bool wordWrap = false;
    bool autoSize = false;
    bool visible = true;
    bool stretch = false;               // images
    int borderWidth = 1;                // lines, pixels
    ScrollBars scrollBars = ScrollBars::None;
    bool isDefault = false;             // command buttons: Enter presses it
    bool isCancel = false;              // command buttons: Escape presses it
    int mousePointer = PointerDefault;
    const char *toolTip = nullptr;
    const char *picture = nullptr;      // resource under :/pictures/
    const char *stored = nullptr;       // resource under :/stored/ holding a document area's first text
    std::span<const char *const> items{};   // list boxes, in stored order
    int tabIndex = -1;                  // -1: takes no part in tab order
    int index = -1;                     // member of a control family, such as Line1(0)
    const char *loads = nullptr;        // a link: the document its Click loads into the screen's link area
};

// How a boxed link differs from the others: its colours, the size of its bold caption, its place in
// the tab order and the document it loads, if any.
struct LinkLook {
    Colour back = KindDefault;
    Colour fore = KindDefault;
    double points = 8.25;
    int tabIndex = -1;
    const char *loads = nullptr;
};

// A boxed link label: a thin-bordered box with its caption centred in bold, the look of most of the
// program's links.
constexpr ControlSpec boxedLink(const char *name, const char *caption, Rect at, LinkLook look)
{
    return {.name = name, .caption = caption, .left = at.left, .top = at.top, .width = at.width,
            .height = at.height, .backColor = look.back, .foreColor = look.fore, .font = SansBold(look.points),
            .borderStyle = 1, .alignment = Align::Centre, .tabIndex = look.tabIndex, .loads = look.loads};
}

using LayoutTable = std::span<const ControlSpec>;

constexpr bool isWindowed(ControlKind kind)
{
    switch (kind) {
    case ControlKind::PictureBox:
    case ControlKind::ListBox:
    case ControlKind::CommandButton:
    case ControlKind::TextBox:
    case ControlKind::DocumentArea:
        return true;
    default:
        return false;
    }
}

} // namespace vireka
