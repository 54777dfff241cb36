#pragma once

#include "DocumentArea.h"
#include "LayoutTable.h"
#include "Palette.h"
#include "Screen.h"

#include <string_view>

// Controls that the gallery pages share: the photo pages' Close button and captions, the featured
// centres' portrait, text box and document.
namespace vireka::gallery {

// The Close button of an asana photo page: bold, the only way to close a page without a title bar.
constexpr ControlSpec closeButton(int left, int width, int height, double points, int tabIndex,
                                  Colour back = colours::Silver)
{
    return {.name = "cmdClose", .kind = ControlKind::CommandButton, .caption = "Close", .left = left, .top = 0,
            .width = width, .height = height, .backColor = back, .font = SansBold(points), .tabIndex = tabIndex};
}

// A photograph filling its control, whatever its own proportions.
constexpr ControlSpec photo(const char *name, const char *picture, int left, int top, int width, int height)
{
    return {.name = name, .kind = ControlKind::Image, .left = left, .top = top, .width = width, .height = height,
            .stretch = true, .picture = picture};
}

// White bold text centred on black, the captions of the school's photo pages.
constexpr ControlSpec blackCaption(const char *name, const char *caption, int left, int top, int width, int height,
                                   double points)
{
    return {.name = name, .caption = caption, .left = left, .top = top, .width = width, .height = height,
            .backColor = colours::Black, .foreColor = colours::White, .font = SansBold(points),
            .alignment = Align::Centre};
}

// A page's rich-text box, showing the text stored with the page.
constexpr ControlSpec storedText(const char *name, const char *stored, int left, int top, int width, int height,
                                 Colour back, int scrollBars, int tabIndex)
{
    return {.name = name, .kind = ControlKind::DocumentArea, .left = left, .top = top, .width = width,
            .height = height, .backColor = back, .scrollBars = scrollBars, .stored = stored, .tabIndex = tabIndex};
}

// A featured centre's portrait at the page's left, stretched, with or without a thin border.
constexpr ControlSpec portrait(const char *picture, int left, int top, int width, int height, bool border = false)
{
    ControlSpec image = photo("Image1", picture, left, top, width, height);
    image.borderStyle = border ? 1 : 0;
    return image;
}

// A featured centre's document replaces the page's stored text when the page loads; a missing or
// broken file leaves the stored text. The page does not make the program folder current itself: the
// photo listings browser that opens it has done so.
inline void loadCentreDocument(Screen &page, const char *area, const char *file)
{
    LoadDocument(page.control<DocumentArea>(area), QString::fromLatin1(file));
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
