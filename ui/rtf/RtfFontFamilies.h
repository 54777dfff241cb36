#pragma once

#include <QFont>
#include <QString>

namespace vireka::rtf {

// The family text of a font table entry is shown in. Laying text out matches every distinct family
// name against the machine's fonts, which costs time per name; so a name the machine neither has nor
// substitutes is mapped, by its family class and the words in its name, onto one of a few families
// it has (by the name's words only when the class is unknown). However many names a font table holds, a document then uses a bounded set of families.
// Empty: no family of its own (the area's font).
QString shownFamily(const QString &name, QFont::StyleHint hint);

} // namespace vireka::rtf
