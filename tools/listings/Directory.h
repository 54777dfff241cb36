#pragma once

#include "Publisher.h"

#include <QList>
#include <QRegularExpression>
#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>
#include <stdexcept>

namespace listings {

// Any fault in the data file: the tool reports it and writes nothing.
class DataError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

struct Person
{
    QString role;
    QString name;
};

struct Entry
{
    QString id;
    QString name;
    QString abbreviation;
    QString kind;
    QStringList styles; // style captions, as on the tradition screen
    QString city;
    QString country;
    QString postalCountry; // the country as an address writes it
    QStringList address; // street lines without the country
    QString phone;
    QString fax;
    QString tollFree;
    QString email;
    QString web;
    QList<Person> people;
    QStringList branches;
    QString note;
    QString companyNumber;
    QString offers;                    // the country listing's line
    QMap<QString, QString> styleOffers; // style caption -> the style listing's line

    // What the centre offers in one style: that style's own line where the
    // centre teaches several, else its one line.
    QString offersFor(const QString &style) const;

    // The name as listings print it: "Name (ABBR)" where there is an abbreviation.
    QString displayName() const;
};

struct Country
{
    QString name;
    QString file;
    QString intro;
    QString postalName; // for addresses, where it differs from the caption's name
};

struct Style
{
    QString caption;
    QString file;
    QString intro;
};

struct Featured
{
    int entry = 0;
    const Entry *listing = nullptr;
    QString page;
    QString kind;
    QString text;    // placeholders resolved
    QString caption; // placeholders resolved
};

struct Credit
{
    QString code;
    int featured = 0;
    QString nameParts; // parts joined by " and "
};

struct CentreDocument
{
    QString file;
    int featured = 0;
    bool blackText = false;
    QStringList title;     // resolved
    QString servicesHeading;
    QStringList paragraphs; // resolved; "- " items and "## " sub-headings
};

// One paragraph of a stored text; "**" marks bold runs inside a plain line.
struct StoredLine
{
    QString text; // resolved
    int points = 12;
    bool bold = false;
    bool centred = false;
};

// The first text of a page's rich-text box, built into the program.
struct StoredText
{
    QStringList paths; // "frmCentre1/rtfCentre1.rtf": screen, then control
    int featured = 0;
    int red = 0, green = 0, blue = 0;
    QList<StoredLine> lines;
};

struct Directory
{
    Publisher publisher;
    QList<Country> countries;
    QList<Style> styles;
    QList<Entry> entries;
    QList<Featured> featured;
    QList<Credit> credits;
    QList<CentreDocument> centreDocuments;
    QList<StoredText> storedTexts;

    const Entry *entryById(const QString &id) const;
    const Featured *featuredByNumber(int entry) const;
};

// Reads and checks the data file; throws DataError naming the first fault.
Directory loadDirectory(const QString &path);

// Replaces every match of the pattern in the text with what value() gives for it.
QString substituteMatches(const QString &text, const QRegularExpression &pattern,
                          const std::function<QString(const QRegularExpressionMatch &)> &value);

// Replaces {name}, {abbreviation}, {person}, {person2}, {city} and {country},
// and the contact details {address1} to {address3}, {phone}, {fax},
// {tollFree}, {email}, {web}, {branch1}, {branch2}, {note} and {companyNumber},
// with the entry's values; {branch1Label} and {branch1Details} (and for
// branch 2) are the branch line before and after its first ": ". An unknown
// or empty placeholder is a DataError.
QString resolvePlaceholders(const QString &pattern, const Entry &entry);

// True for addresses that can never reach anyone: the reserved .example
// top-level domain and example.com, example.org, example.net.
bool isReservedHost(const QString &host);
bool isReservedEmail(const QString &email);
bool isReservedWeb(const QString &web);

} // namespace listings
