#pragma once

class QString;
class QTextEdit;

namespace vireka {

// Makes the program's own control kinds known to screen readers: link labels as links with a press
// action, other labels as text, images and picture boxes as graphics, lines as separators. Safe to
// call more than once.
void installAccessibility();

// Names a text box or document area after its text (its first paragraph that holds any, as a
// heading), kept up to date as the text changes; `fallback` while it is empty. The whole text is
// read through the control's own text interface.
void nameAfterText(QTextEdit &edit, const QString &fallback);

} // namespace vireka
