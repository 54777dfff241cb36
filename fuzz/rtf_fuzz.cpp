// Feeds arbitrary bytes to the RTF reader and lays the document out as an area shows it. Run from
// the build folder with LSAN_OPTIONS=suppressions=<source>/fuzz/lsan.supp and
// QT_QPA_PLATFORM=offscreen, for example:
//   bin/rtf_fuzz -dict=<source>/fuzz/rtf.dict -max_len=65536 -timeout=30 corpus <source>/fuzz/corpus

#include "rtf/RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QByteArray>
#include <QFont>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

QGuiApplication *app = nullptr;

// The narrowest document area's text width (3735 twips less frame and scroll bar): the narrower the
// area, the taller a document grows.
constexpr qreal AreaWidth = 229;

// Reads into a fresh document, as an area does for every load (one that already has a layout lays
// itself out as the reading ends, before it is fitted), then lays it out as the area shows it.
// Past the height Qt's layout finishes, the layout would hang (a timeout here); a document that
// passes the budget by more than a notice's lines means the fitting misjudged it: a crash here.
void readAndLayOut(QByteArrayView rtf)
{
    QTextDocument doc;
    // The program's areas set text without kerning, and without shaping where the script allows.
    QFont font = doc.defaultFont();
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setKerning(false);
    doc.setDefaultFont(font);
    vireka::readRtf(rtf, doc);
    vireka::fitDocumentHeight(doc, AreaWidth);
    doc.setTextWidth(AreaWidth);
    if (doc.documentLayout()->documentSize().height() > vireka::MaxDocumentHeight + 1000)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Fonts and formats need a GUI application; it lives for the whole run.
    app = new QGuiApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView input(data, qsizetype(size));
    readAndLayOut(input);
    // Most random inputs lack the header and stop at once; read them once more as a document body
    // so the fuzzer explores the reader proper without having to find the header first.
    if (!input.startsWith("{\\rtf")) {
        QByteArray wrapped = QByteArrayLiteral("{\\rtf1 ");
        wrapped.append(input);
        readAndLayOut(wrapped);
    }
    return 0;
}
