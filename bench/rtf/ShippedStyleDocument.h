#pragma once

#include <QByteArray>

struct Document {
    QByteArray rtf;
    QByteArray html;
};

// Builds the same document twice, of about `targetBytes` of RTF: as RTF in the shape of the program's
// own documents (titles and paragraphs with font, size, colour and bold changes), and as HTML.
Document makeDocument(qsizetype targetBytes);
