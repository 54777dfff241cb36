#include "DocumentZoom.h"

#include "DocumentArea.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <vector>

namespace vireka {

namespace {

constexpr std::array ZoomSteps{50, 67, 75, 90, 100, 110, 125, 150, 175, 200, 250, 300};

// The pixel size a character format was made with; 0 where it takes the document's default font.
constexpr int DesignPixelSize = QTextFormat::UserProperty + 0x2110;
constexpr const char *DesignFont = "vireka.designFont";

int scaled(int pixels, int percent)
{
    return std::max(1, int(std::lround(pixels * percent / 100.0)));
}

// The format that shows `format` at `percent`: its own design size scaled, or, where it names no
// size, the scaled default font's.
QTextCharFormat zoomed(QTextCharFormat format, int percent)
{
    if (!format.hasProperty(DesignPixelSize))
        format.setProperty(DesignPixelSize, format.hasProperty(QTextFormat::FontPixelSize)
                                                ? format.intProperty(QTextFormat::FontPixelSize) : 0);
    const int design = format.intProperty(DesignPixelSize);
    if (design > 0)
        format.setProperty(QTextFormat::FontPixelSize, scaled(design, percent));
    return format;
}

bool everZoomed(const QTextDocument &document)
{
    return document.property(DesignFont).isValid();
}

} // namespace

int zoomStepIn(int percent)
{
    const auto next = std::upper_bound(ZoomSteps.begin(), ZoomSteps.end(), percent);
    return next == ZoomSteps.end() ? LargestZoom : *next;
}

int zoomStepOut(int percent)
{
    const auto next = std::lower_bound(ZoomSteps.begin(), ZoomSteps.end(), percent);
    return next == ZoomSteps.begin() ? SmallestZoom : *(next - 1);
}

void zoomDocument(QTextDocument &document, int percent)
{
    if (percent == DesignZoom && !everZoomed(document))
        return;
    if (!everZoomed(document))
        document.setProperty(DesignFont, document.defaultFont());
    QFont font = document.property(DesignFont).value<QFont>();
    if (font.pixelSize() > 0)
        font.setPixelSize(scaled(font.pixelSize(), percent));
    document.setDefaultFont(font);

    // Formats are gathered first: changing one may merge fragments under an iterator.
    struct Run {
        int start, end;
        QTextCharFormat format;
    };
    std::vector<Run> runs;
    std::vector<std::pair<int, QTextCharFormat>> marks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        marks.emplace_back(block.position(), zoomed(block.charFormat(), percent));
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            runs.push_back({fragment.position(), fragment.position() + fragment.length(),
                            zoomed(fragment.charFormat(), percent)});
        }
    }
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (const auto &[position, format] : marks) {
        cursor.setPosition(position);
        cursor.setBlockCharFormat(format);
    }
    for (const Run &run : runs) {
        cursor.setPosition(run.start);
        cursor.setPosition(run.end, QTextCursor::KeepAnchor);
        cursor.setCharFormat(run.format);
    }
    cursor.endEditBlock();
}

void setZoom(DocumentArea &area, int percent)
{
    percent = std::clamp(percent, SmallestZoom, LargestZoom);
    if (percent == area.zoomPercent())
        return;
    const int topPosition = area.cursorForPosition(QPoint(0, 0)).position();
    area.setZoomPercent(percent);
    // What the bounds left out at one size may fit at another: such a document is read again whole.
    const DocumentArea::DocumentSource source = area.documentSource();
    std::unique_ptr<QTextDocument> fresh;
    if (area.documentWasFitted() && source) {
        fresh.reset(area.newDocument());
        if (!source(*fresh))
            fresh.reset();
    }
    QTextDocument *document = fresh ? fresh.release() : area.takeDocument();
    if (!document)
        return;
    area.showDocument(document, source);
    QTextCursor top(area.document());
    top.setPosition(std::clamp(topPosition, 0, area.document()->characterCount() - 1));
    area.verticalScrollBar()->setValue(area.verticalScrollBar()->value() + area.cursorRect(top).top());
}

} // namespace vireka
