// The document fit as it was before it bounded lines by the text's advances: a paragraph is taken
// to need a line per character, so any document past about 100 KB was measured line by line with a
// layout that was then thrown away. Kept only so that the load benchmark can time both in one run;
// the steps the two share come from the program.

#include "FitBeforeAdvances.h"

#include "rtf/DocumentBudget.h"
#include "rtf/FitSteps.h"
#include "rtf/LineBound.h"

#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace vireka;

namespace {

// The most the paragraph's lines can take: every character on a line of its own, each as tall as
// the largest font in the paragraph allows.
qreal quickTextBound(const QTextBlock &block, const QFont &base)
{
    qreal largest = pixelSizeOf(block.charFormat(), base);
    for (auto it = block.begin(); !it.atEnd(); ++it)
        largest = std::max(largest, pixelSizeOf(it.fragment().charFormat(), base));
    return block.length() * spacedLine(LinePerPixelSize * largest, block.blockFormat());
}

// Lays the paragraph's lines out as the document would and returns their height, stopping at the
// first line that would pass `room`; `keep` is where that line starts, or -1 when all lines fit.
qreal measureText(const QTextBlock &block, qreal width, const QTextOption &option, qreal room, int &keep)
{
    const QTextBlockFormat format = block.blockFormat();
    const qreal available = width - std::max<qreal>(0, format.leftMargin()) - std::max<qreal>(0, format.rightMargin());
    // The paragraph mark's font sizes an empty paragraph (and may make a last line taller).
    QFont markFont = block.charFormat().font();
    markFont = markFont.resolve(block.document()->defaultFont());
    const qreal markHeight = std::ceil(QFontMetricsF(markFont).height());
    QTextLayout *layout = block.layout();
    layout->setTextOption(option);
    layout->beginLayout();
    qreal height = 0;
    keep = -1;
    for (bool first = true;; first = false) {
        QTextLine line = layout->createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(std::max<qreal>(1, first ? available - format.textIndent() : available));
        const bool last = line.textStart() + line.textLength() >= block.length() - 1;
        const qreal natural = last ? std::max(line.height(), markHeight) : line.height();
        const qreal lineHeight = spacedLine(natural, format);
        if (height + lineHeight > room) {
            keep = line.textStart();
            break;
        }
        height += lineHeight;
    }
    layout->endLayout();
    layout->clearLayout(); // the document lays it out again when it is shown
    return height;
}

} // namespace

void fitBeforeAdvances(QTextDocument &doc, qreal width)
{
    const qreal margins = 2 * doc.documentMargin();
    const qreal textWidth = std::max<qreal>(1, width - margins);
    const qreal room = MaxDocumentHeight - margins;
    const QFont base = doc.defaultFont();

    qreal spacing = 0;
    qreal bound = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        spacing += spacingOf(b.blockFormat());
        bound += quickTextBound(b, base);
    }
    if (spacing + bound <= room)
        return;

    // Measure the text for real, as far as it can fit.
    QTextOption option = doc.defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere); // the most lines any wrap mode makes
    std::vector<qreal> heights;
    qreal text = 0;
    int keep = -1;
    for (QTextBlock b = doc.begin(); b.isValid() && keep < 0; b = b.next()) {
        heights.push_back(measureText(b, textWidth, option, room - text, keep));
        text += heights.back();
    }
    if (keep >= 0)
        text = room + 1; // the text alone is too tall

    // Spacing gets what the text leaves, but at least a quarter of the room.
    const qreal scale = spacing > 0 ? std::min<qreal>(1, std::max(room - text, room / 4) / spacing) : 1;
    if (scale < 1)
        scaleSpacing(doc, scale);
    if (text + spacing * scale <= room)
        return;

    qreal y = 0;
    std::size_t i = 0;
    for (QTextBlock b = doc.begin(); b.isValid() && i < heights.size(); b = b.next(), ++i) {
        const QTextBlockFormat format = b.blockFormat();
        y += std::max<qreal>(0, format.topMargin());
        if (y + heights[i] > room || i + 1 == heights.size()) {
            measureText(b, textWidth, option, room - y, keep);
            if (keep >= 0) {
                cutAt(doc, b.position() + keep);
                return;
            }
        }
        y += heights[i] + std::max<qreal>(0, format.bottomMargin());
    }
}

