#pragma once

#include <optional>

namespace vireka {

// Answers what the command line asks before any window opens: --help and --version print their
// text; every other argument is ignored. Returns the exit status when the program should end there,
// or nothing when it should start. Needs no display.
std::optional<int> answerCommandLine(int &argc, char **argv);

} // namespace vireka
