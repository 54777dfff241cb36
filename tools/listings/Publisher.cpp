#include "Publisher.h"

#include "Directory.h"
#include "PhoneRules.h"

namespace listings {

namespace {

enum class Kind { Text, Phone, Email, Web };

struct DetailSpec
{
    const char *key;      // in the data file
    const char *constant; // in the header and the templates
    Kind kind;
    const char *comment;
};

// The screens read these by name (About box, upgrade and submit notices, the
// Halvena promotion), so the names and their meaning stay fixed.
constexpr DetailSpec kDetails[] = {
    {"name", "publisherName", Kind::Text, "the publisher's name, exactly as every text prints it"},
    {"postBox", "publisherPostBox", Kind::Text, "first part of the postal address"},
    {"town", "publisherTown", Kind::Text, "town of the postal address"},
    {"province", "publisherProvince", Kind::Text, "province of the postal address"},
    {"postalCode", "publisherPostalCode", Kind::Text, "postal code of the postal address"},
    {"country", "publisherCountry", Kind::Text, "country of the postal address"},
    {"phone", "publisherPhone", Kind::Phone, "telephone, for orders and enquiries"},
    {"fax", "publisherFax", Kind::Phone, "fax; the office takes faxes on its telephone line"},
    {"email", "publisherEmail", Kind::Email, "the publisher's e-mail address, for every purpose"},
    {"web", "publisherWeb", Kind::Web, "the publisher's web site"},
    {"directoryWeb", "publisherDirectoryWeb", Kind::Web, "web page of the yoga directory (submit notice)"},
    {"tesmaraWeb", "tesmaraWeb", Kind::Web, "web page of the book Tesmara: price list, sample pages, order form"},
    {"halvenaWeb", "halvenaWeb", Kind::Web, "web page of the program Halvena: trial download and secure order form"},
    {"tesmaraPages", "tesmaraPages", Kind::Text, "page count of Tesmara"},
    {"priceTesmara", "priceTesmara", Kind::Text, "price of the book Tesmara, in two currencies"},
    {"priceHalvenaShareware", "priceHalvenaShareware", Kind::Text,
     "registration of the Halvena shareware version, in two currencies"},
    {"priceHalvenaFull", "priceHalvenaFull", Kind::Text, "Halvena full version on CD, in two currencies"},
    {"shippingCanada", "shippingCanada", Kind::Text, "postage and packing per order within Canada"},
    {"shippingUSA", "shippingUSA", Kind::Text, "postage and packing per order to the United States"},
    {"shippingOverseas", "shippingOverseas", Kind::Text, "postage and packing per order to other countries"},
    {"payment", "publisherPayment", Kind::Text, "accepted means of payment"},
};

[[noreturn]] void fail(const QString &message)
{
    throw DataError(message.toStdString());
}

} // namespace

QString Publisher::value(const QString &constant) const
{
    for (const PublisherDetail &d : details)
        if (d.constant == constant)
            return d.value;
    return {};
}

Publisher readPublisher(const QJsonObject &o)
{
    Publisher p;
    for (const DetailSpec &spec : kDetails) {
        const QJsonValue v = o.value(QLatin1String(spec.key));
        const QString value = v.toString();
        if (!v.isString() || value.trimmed().isEmpty())
            fail(QStringLiteral("publisher: \"%1\" is missing or empty").arg(QLatin1String(spec.key)));
        const bool ok = spec.kind == Kind::Text    ? true
                        : spec.kind == Kind::Phone ? isFictionalNumber(value, o.value("country").toString())
                        : spec.kind == Kind::Email ? isReservedEmail(value)
                                                   : isReservedWeb(value);
        if (!ok)
            fail(QStringLiteral("publisher: \"%1\" (%2) is not invented in a reserved form")
                     .arg(QLatin1String(spec.key), value));
        p.details.append({QLatin1String(spec.constant), value, QLatin1String(spec.comment)});
        if (QLatin1String(spec.key) == QLatin1String("country")) {
            const QStringList parts = {p.value("publisherPostBox"), p.value("publisherTown"),
                                       p.value("publisherProvince"), p.value("publisherPostalCode"), value};
            p.details.append({QStringLiteral("publisherAddress"), parts.join(QLatin1String(", ")),
                              QStringLiteral("postal address on one line: box, town, province, postal code, "
                                             "country")});
        }
    }
    return p;
}

} // namespace listings
