#pragma once

#include "DocumentLinks.h"
#include "ScreenSlots.h"

#include <span>
#include <string_view>

namespace vireka {

// One screen class of the program, reached without naming its type: for the tests that go through
// every screen, and for the document check that reads every link table.
struct ScreenClass {
    const char *name;
    const ScreenSpec &spec;
    Screen *(*instance)();         // what its slot holds, or null
    Screen &(*open)();             // OpenScreen
    Screen &(*openUnraised)();     // OpenScreen, leaving the screen where it opens
    void (*close)();               // CloseScreen
    LinkTable links;               // the rows of its controls that load documents
};

std::span<const ScreenClass> allScreens();

// The class of the screen `name`, or null while that screen is not part of the program.
const ScreenClass *screenClass(std::string_view name);

} // namespace vireka
