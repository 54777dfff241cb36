#include "DocumentBudget.h"

#include "FitSteps.h"
#include "LineBound.h"

#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <vector>

namespace vireka {

namespace {

// The width a paragraph's lines are laid out at. A pixel of rounding or of a cursor's width less
// than the document's layout may give keeps the bound safe.
qreal availableWidth(const QTextBlockFormat &format, qreal width)
{
    return std::max<qreal>(1, width - std::max<qreal>(0, format.leftMargin()) - std::max<qreal>(0, format.rightMargin()) - 2);
}

// The text option the document's own layout gives the paragraph: tab stops and direction change
// where lines break.
QTextOption optionFor(const QTextBlock &block, QTextOption option)
{
    option.setTabs(block.blockFormat().tabPositions());
    option.setTextDirection(block.textDirection());
    return option;
}

// Lays the paragraph's lines out as the document would and returns their height, stopping at the
// first line that would pass `room`; `keep` is where that line starts, or -1 when all lines fit.
qreal measureText(const QTextBlock &block, qreal width, const QTextOption &option, qreal room, int &keep)
{
    const QTextBlockFormat format = block.blockFormat();
    const qreal available = availableWidth(format, width);
    // The paragraph mark's font sizes an empty paragraph (and may make a last line taller).
    QFont markFont = block.charFormat().font();
    markFont = markFont.resolve(block.document()->defaultFont());
    const qreal markHeight = std::ceil(QFontMetricsF(markFont).height());
    QTextLayout *layout = block.layout();
    layout->setTextOption(optionFor(block, option));
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

qreal spacedLine(qreal natural, const QTextBlockFormat &format)
{
    const qreal value = std::max<qreal>(0, format.lineHeight());
    switch (format.lineHeightType()) {
    case QTextBlockFormat::ProportionalHeight: return natural * value / 100;
    case QTextBlockFormat::FixedHeight: return value;
    case QTextBlockFormat::MinimumHeight: return std::max(natural, value);
    case QTextBlockFormat::LineDistanceHeight: return natural + value;
    default: return natural;
    }
}

qreal spacingOf(const QTextBlockFormat &format)
{
    return std::max<qreal>(0, format.topMargin()) + std::max<qreal>(0, format.bottomMargin());
}

void scaleSpacing(QTextDocument &doc, qreal scale)
{
    QTextCursor cursor(&doc);
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QTextBlockFormat format = b.blockFormat();
        if (spacingOf(format) == 0)
            continue;
        format.setTopMargin(std::max<qreal>(0, format.topMargin()) * scale);
        format.setBottomMargin(std::max<qreal>(0, format.bottomMargin()) * scale);
        cursor.setPosition(b.position());
        cursor.setBlockFormat(format);
    }
}

void cutAt(QTextDocument &doc, int position)
{
    QTextCursor cursor(&doc);
    cursor.setPosition(position);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    if (!cursor.atBlockStart())
        cursor.insertBlock();
    writeCutNotice(cursor);
}

QString cutNotice()
{
    return QStringLiteral("[The rest of this document is too long to be shown.]");
}

void writeCutNotice(QTextCursor &cursor)
{
    QTextCharFormat format;
    format.setFontItalic(true);
    cursor.setBlockFormat(QTextBlockFormat());
    cursor.setBlockCharFormat(format);
    cursor.insertText(cutNotice(), format);
}

bool fitDocumentHeight(QTextDocument &doc, qreal width)
{
    const qreal margins = 2 * doc.documentMargin();
    const qreal textWidth = std::max<qreal>(1, width - margins);
    const qreal room = MaxDocumentHeight - margins;

    // Bound each paragraph's text from its advances; only where that bound passes the budget is one
    // paragraph laid out, to find the line to cut at. The document's own layout is the only other.
    qreal spacing = 0;
    qreal text = 0;
    std::vector<qreal> bounds;
    LineBound lines(doc.defaultFont());
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QTextBlockFormat format = b.blockFormat();
        spacing += spacingOf(format);
        if (text <= room) { // past that, only the spacing is still needed
            qreal lineHeight = 0;
            bounds.push_back(lines.lines(b, availableWidth(format, textWidth), lineHeight) * spacedLine(lineHeight, format));
            text += bounds.back();
        }
    }
    if (spacing + text <= room)
        return false;

    // Spacing gets what the text leaves, but at least a quarter of the room.
    const qreal scale = spacing > 0 ? std::min<qreal>(1, std::max(room - text, room / 4) / spacing) : 1;
    if (scale < 1)
        scaleSpacing(doc, scale);
    if (text + spacing * scale <= room)
        return true;

    // Cut in the first paragraph whose bound passes the room left, at the first line that does not
    // fit; when all its lines fit after all, after it.
    QTextOption option = doc.defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere); // the most lines any wrap mode makes
    qreal y = 0;
    std::size_t i = 0;
    for (QTextBlock b = doc.begin(); b.isValid() && i < bounds.size(); b = b.next(), ++i) {
        const QTextBlockFormat format = b.blockFormat();
        y += std::max<qreal>(0, format.topMargin());
        if (y + bounds[i] > room) {
            int keep = -1;
            measureText(b, textWidth, option, room - y, keep);
            if (keep >= 0)
                cutAt(doc, b.position() + keep);
            else if (b.next().isValid())
                cutAt(doc, b.next().position());
            return true;
        }
        y += bounds[i] + std::max<qreal>(0, format.bottomMargin());
    }
    return scale < 1;
}

} // namespace vireka
