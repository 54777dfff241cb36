#pragma once

#include "LayoutTable.h"

#include <span>

namespace vireka {

// Every screen's window properties, one row per screen class.
std::span<const ScreenSpec> screenTable();

// The row of the screen class `name`; a name without a row is a programming error and throws.
const ScreenSpec &screenSpec(const char *name);

} // namespace vireka
