// Prints the text the RTF reader makes of a file, as UTF-8, one paragraph a line: what the fidelity
// comparison holds against a word processor's own text conversion.

#include "rtf/RtfReader.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: rtf_plaintext FILE.rtf\n");
        return 2;
    }
    QTextDocument doc;
    if (!vireka::readRtfFile(QString::fromLocal8Bit(argv[1]), doc))
        return 1;
    QString text = doc.toPlainText();
    text.replace(QChar::LineSeparator, u'\n');
    const QByteArray utf8 = text.toUtf8();
    std::fwrite(utf8.constData(), 1, std::size_t(utf8.size()), stdout);
    std::fputc('\n', stdout);
    return 0;
}
