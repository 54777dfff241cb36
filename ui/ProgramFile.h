#pragma once

#include <QString>

namespace vireka {

// The file that a fixed name such as "\Nauli.bmp" stands for: the current directory followed
// directly by the name, each backslash turned into the platform's separator. No separator is added
// or removed, so at the root the path begins with two separators, which the file system accepts.
QString programFilePath(const QString &name);

} // namespace vireka
