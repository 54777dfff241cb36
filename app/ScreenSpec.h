#pragma once

#include "LayoutTable.h"
#include "Palette.h"

namespace vireka {

enum class Border { FixedSingle = 1, Sizable = 2, FixedDialog = 3 };
enum class TitleButtons { All, CloseOnly, None };
enum class Placement { Manual, Centre };
enum class EscapeRule { None, EndsProgram, CancelButton };

// What a failed load leaves: the document shown before, or (where the link clears first) nothing.
enum class LoadRule { OverShown, ClearFirst };

// What the close control does: close the screen (unload and empty its slot), or only unload it.
enum class CloseRule { EmptiesSlot, UnloadsOnly };

// A document that replaces an area's text as the screen loads, named as it sits in the program folder.
struct OpeningDocument {
    const char *area = nullptr;
    const char *file = nullptr;
};

// Everything a screen declares: its window, its controls, where its links load their documents, what
// it loads as it opens and how it closes. The screen's name is its class's.
struct ScreenSpec {
    const char *caption = "";
    int clientWidth = 0, clientHeight = 0;   // twips
    Colour backColor = SystemButtonFace;
    Border border = Border::Sizable;
    TitleButtons buttons = TitleButtons::All;
    bool maximised = false;
    Placement placement = Placement::Centre;
    int clientLeft = 0, clientTop = 0;       // twips, manual placement only
    bool programIcon = false;
    EscapeRule escape = EscapeRule::None;
    bool setsProgramFolder = false;          // Load makes the program folder current
    bool showInTaskbar = true;
    int mousePointer = PointerDefault;
    const char *closedBy = nullptr;          // the screen's own close control; none: the close box only
    CloseRule closeRule = CloseRule::EmptiesSlot;
    LayoutTable controls{};
    const char *linkArea = nullptr;          // the area that the rows with `loads` load into
    LoadRule linkRule = LoadRule::OverShown;
    OpeningDocument opens{};
};

} // namespace vireka
