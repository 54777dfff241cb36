// Feeds arbitrary bytes to the RTF reader. Run from the build folder, for example:
//   QT_QPA_PLATFORM=offscreen bin/rtf_fuzz -dict=<source>/fuzz/rtf.dict -max_len=65536 corpus <source>/fuzz/corpus

#include "rtf/RtfReader.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>

namespace {

QGuiApplication *app = nullptr;

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
    QTextDocument doc;
    vireka::readRtf(input, doc);
    // Most random inputs lack the header and stop at once; read them once more as a document body
    // so the fuzzer explores the reader proper without having to find the header first.
    if (!input.startsWith("{\\rtf")) {
        QByteArray wrapped = QByteArrayLiteral("{\\rtf1 ");
        wrapped.append(input);
        vireka::readRtf(wrapped, doc);
        doc.toPlainText();
    }
    return 0;
}
