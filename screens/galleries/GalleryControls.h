#pragma once

#include "DirectoryNames.h"
#include "LayoutTable.h"
#include "Palette.h"

#include <string_view>

// What the gallery pages share: the photo pages' Close button and captions, the featured centres'
// portrait and text box, and the captions that name whom the photo listings name.
namespace vireka::gallery {

// A caption that names an outside school or centre: the one the directory data gives the page.
consteval const char *listedCaption(std::string_view page)
{
    return directory::featuredForPage(page).caption;
}

// How a photo page's Close button differs from the others.
struct ButtonLook {
    double points = 8.25;
    int tabIndex = 0;
    Colour back = colours::Silver;
};

// The Close button of an asana photo page: bold, the only way to close a page without a title bar.
constexpr ControlSpec closeButton(Rect at, ButtonLook look)
{
    return {.name = "cmdClose", .kind = ControlKind::CommandButton, .caption = "Close", .left = at.left,
            .top = at.top, .width = at.width, .height = at.height, .backColor = look.back,
            .font = SansBold(look.points), .tabIndex = look.tabIndex};
}

// A photograph filling its control, whatever its own proportions.
constexpr ControlSpec photo(const char *name, const char *picture, Rect at)
{
    return {.name = name, .kind = ControlKind::Image, .left = at.left, .top = at.top, .width = at.width,
            .height = at.height, .stretch = true, .picture = picture};
}

// White bold text centred on black, the captions of the school's photo pages.
constexpr ControlSpec blackCaption(const char *name, const char *caption, Rect at, double points)
{
    return {.name = name, .caption = caption, .left = at.left, .top = at.top, .width = at.width,
            .height = at.height, .backColor = colours::Black, .foreColor = colours::White,
            .font = SansBold(points), .alignment = Align::Centre};
}

// How a page's rich-text box differs from the others.
struct TextLook {
    Colour back = KindDefault;
    ScrollBars scrollBars = ScrollBars::Vertical;
    int tabIndex = 0;
};

// A page's rich-text box, showing the text stored with the page.
constexpr ControlSpec storedText(const char *name, const char *stored, Rect at, TextLook look)
{
    return {.name = name, .kind = ControlKind::DocumentArea, .left = at.left, .top = at.top, .width = at.width,
            .height = at.height, .backColor = look.back, .scrollBars = look.scrollBars, .stored = stored,
            .tabIndex = look.tabIndex};
}

enum class Frame { None, Thin };

// A featured centre's portrait at the page's left, stretched, with or without a thin border.
constexpr ControlSpec portrait(const char *picture, Rect at, Frame frame = Frame::None)
{
    ControlSpec image = photo("Image1", picture, at);
    image.borderStyle = frame == Frame::Thin ? 1 : 0;
    return image;
}

// " Photos courtesy of " (with its leading space) and a school's name, joined while compiling, so that
// the label names the school the directory data names.
struct CourtesyCaption {
    char text[112]{};
};

consteval CourtesyCaption photosCourtesyOf(std::string_view school)
{
    constexpr std::string_view prefix = " Photos courtesy of ";
    if (prefix.size() + school.size() >= sizeof(CourtesyCaption::text))
        throw "the school's name is too long for the caption";
    CourtesyCaption caption;
    std::size_t at = 0;
    for (char c : prefix)
        caption.text[at++] = c;
    for (char c : school)
        caption.text[at++] = c;
    return caption;
}

} // namespace vireka::gallery
