#pragma once

#include "Directory.h"

#include <QByteArray>
#include <QMap>
#include <QString>

namespace listings {

QByteArray countryDocument(const Directory &d, const Country &country);
QByteArray styleDocument(const Directory &d, const Style &style);
QByteArray centreDocument(const Directory &d, const CentreDocument &doc);

// Every document the tool owns, keyed by file name.
QMap<QString, QByteArray> allDocuments(const Directory &d);

// A page's stored text, and every stored text keyed by its path under
// content/stored ("frmCentre1/rtfCentre1.rtf").
QByteArray storedText(const StoredText &text);
QMap<QString, QByteArray> allStoredTexts(const Directory &d);

// DirectoryNames.h: the names that the gallery and credit screens compile in.
QByteArray namesHeader(const Directory &d);

} // namespace listings
