#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

namespace listings {

// One detail of the publisher record: the name it has in DirectoryNames.h and
// in the documents' [[placeholders]], its value, and what it is for.
struct PublisherDetail
{
    QString constant;
    QString value;
    QString comment;
};

// The publisher's one record. Every document and screen that names the
// publisher, its address, numbers, web pages or prices takes them from here.
struct Publisher
{
    QList<PublisherDetail> details; // in header order

    // The value of a detail by its constant name; empty if there is none.
    QString value(const QString &constant) const;
    QString name() const { return value(QStringLiteral("publisherName")); }
};

// Reads the "publisher" object; throws DataError for a missing detail, a
// number outside the reserved range or an address outside a reserved domain.
Publisher readPublisher(const QJsonObject &o);

} // namespace listings
