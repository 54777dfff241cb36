#pragma once

#include <QString>

namespace vireka {

// A short description of a picture built into the program, by its path under the pictures folder,
// for screen readers: "Picture" for one the table does not know, "Empty picture" for none (a
// control that shows a file later).
QString pictureDescription(const char *path);

} // namespace vireka
