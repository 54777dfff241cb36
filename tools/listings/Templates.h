#pragma once

#include "Publisher.h"

#include <QByteArray>
#include <QMap>
#include <QString>

namespace listings {

// The hand-written documents that name the publisher are kept as templates
// (NAME.rtf.in) in which every detail of the publisher is a placeholder such
// as [[publisherName]] or [[priceTesmara]]; this fills them from the record.
// A template that spells the publisher's name or web domain itself, or uses
// an unknown placeholder, is a DataError.
QByteArray fillTemplate(const QByteArray &source, const Publisher &publisher, const QString &file);

// Every template in the folder, filled, keyed by document file name.
QMap<QString, QByteArray> templateDocuments(const Publisher &publisher, const QString &folder);

} // namespace listings
