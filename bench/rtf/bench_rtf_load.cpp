// Times what a click on a link costs until the document is shown, for documents of 0.1, 1 and 8 MB
// in the shape of the program's own: reading, fitting, installing in an area and its first paint.
// Today's fit runs beside the fit as it was, and Qt's HTML import of the same document is the peer.

#include "rtf/RtfReader.h"

#include "FitBeforeAdvances.h"
#include "ShippedStyleDocument.h"
#include "rtf/DocumentBudget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// A text area as the document areas are: read-only, in the areas' font, the instructions area's size.
struct Area {
    QTextEdit edit;
    Area()
    {
        QFont font(QStringLiteral("MS Sans Serif"));
        font.setPixelSize(11);
        font.setStyleHint(QFont::SansSerif, QFont::PreferNoShaping);
        font.setKerning(false);
        edit.setFont(font);
        edit.setReadOnly(true);
        edit.setUndoRedoEnabled(false);
        edit.resize(433, 289);
        edit.show();
    }
    qreal textWidth() const { return edit.contentsRect().width() - edit.verticalScrollBar()->sizeHint().width(); }
    QTextDocument *newDocument()
    {
        auto *doc = new QTextDocument(&edit);
        doc->setUndoRedoEnabled(false);
        doc->setDefaultFont(edit.font());
        return doc;
    }
};

// Milliseconds of each step of one click.
struct Click {
    double read = 0, fit = 0, shown = 0;
    double total() const { return read + fit + shown; }
};

enum class Path { FitBefore, FitNow, Html };

Click click(Area &area, const Document &d, const QString &html, Path path)
{
    const QPointer<QTextDocument> previous = area.edit.document();
    QTextDocument *doc = area.newDocument();
    QElapsedTimer timer;
    timer.start();
    Click c;
    if (path == Path::Html) {
        doc->setHtml(html);
    } else {
        vireka::readRtf(d.rtf, *doc);
        c.read = timer.nsecsElapsed() / 1e6;
        timer.restart();
        if (path == Path::FitBefore)
            fitBeforeAdvances(*doc, area.textWidth());
        else
            vireka::fitDocumentHeight(*doc, area.textWidth());
    }
    c.fit = timer.nsecsElapsed() / 1e6;
    timer.restart();
    area.edit.setDocument(doc);
    area.edit.viewport()->grab(); // the first paint, which lays out what it shows
    c.shown = timer.nsecsElapsed() / 1e6;
    if (previous && previous->parent() == &area.edit)
        delete previous;
    if (path == Path::Html) {
        c.read = c.fit;
        c.fit = 0;
    }
    return c;
}

Click median(std::vector<Click> clicks)
{
    std::sort(clicks.begin(), clicks.end(), [](const Click &a, const Click &b) { return a.total() < b.total(); });
    return clicks[clicks.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Area area;

    std::printf("a click on a link, to the document shown (read, fit, install and first paint) in a "
                "%.0f px area;\nmedians of 5 runs (3 at 8 MB), milliseconds; the peer is setHtml of the same "
                "document, shown\n",
                area.textWidth());
    std::printf("  %5s | %6s %10s %7s %6s | %12s %9s %7s | %8s %8s\n", "MB", "read", "fit before", "fit now",
                "shown", "click before", "click now", "ratio", "html", "now/html");
    for (const double megabytes : {0.1, 1.0, 8.0}) {
        const Document d = makeDocument(qsizetype(megabytes * 1024 * 1024));
        const QString html = QString::fromLatin1(d.html);
        // Check once that both produce the same text, so the comparison is fair.
        QTextDocument fromRtf, fromHtml;
        if (!vireka::readRtf(d.rtf, fromRtf)) {
            std::fprintf(stderr, "the generated RTF did not load\n");
            return 1;
        }
        fromHtml.setHtml(html);
        // The RTF ends with a paragraph mark, which leaves one empty paragraph the HTML lacks.
        if (fromRtf.toPlainText() != fromHtml.toPlainText() + u'\n')
            std::fprintf(stderr, "warning: the two documents hold different text\n");
        const int runs = megabytes > 4 ? 3 : 5;
        std::vector<Click> before, now, peer;
        for (int i = 0; i < runs; ++i) {
            before.push_back(click(area, d, html, Path::FitBefore));
            now.push_back(click(area, d, html, Path::FitNow));
            peer.push_back(click(area, d, html, Path::Html));
        }
        const Click b = median(before), n = median(now), h = median(peer);
        std::printf("  %5.1f | %6.1f %10.1f %7.1f %6.1f | %12.1f %9.1f %7.2f | %8.1f %8.2f\n", megabytes, n.read,
                    b.fit, n.fit, n.shown, b.total(), n.total(), n.total() / b.total(), h.total(),
                    n.total() / h.total());
    }
    return 0;
}
