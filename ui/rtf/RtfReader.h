#pragma once

#include "DocumentBudget.h"

#include <QByteArrayView>
#include <QString>

class QTextDocument;

namespace vireka {

// Replaces the content of `doc` with the RTF document in `data`. Returns false when the data is not
// RTF (does not begin with "{\rtf", after optional ASCII whitespace) or is truncated (the outermost
// group never closes). On false, `doc` may hold partial content: callers read into a scratch document
// and swap only on success.
bool readRtf(QByteArrayView data, QTextDocument &doc);

// Reads a file and calls readRtf; false when the file cannot be opened/read. Of a file larger than
// MaxDocumentBytes only the first MaxDocumentBytes are read: they are shown, cut, with the notice.
bool readRtfFile(const QString &path, QTextDocument &doc);

} // namespace vireka
