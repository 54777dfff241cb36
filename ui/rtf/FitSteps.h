#pragma once

#include <QtGlobal>

class QTextBlockFormat;
class QTextDocument;

namespace vireka {

// The steps the document fit takes, apart from how it bounds and measures text; shared with the
// benchmark that keeps the fit as it was before.

// A line's height under the paragraph's line spacing rule, given its natural height.
qreal spacedLine(qreal natural, const QTextBlockFormat &format);
// The space above and below the paragraph.
qreal spacingOf(const QTextBlockFormat &format);
// Scales the space above and below every paragraph.
void scaleSpacing(QTextDocument &doc, qreal scale);
// Removes everything from `position` on and ends the document with the notice.
void cutAt(QTextDocument &doc, int position);

} // namespace vireka
