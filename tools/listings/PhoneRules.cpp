#include "PhoneRules.h"

#include <QRegularExpression>

namespace listings {

namespace {

struct Rule
{
    const char *country;
    const char *pattern; // the whole number, as written in the data file
};

// North America (outside the toll-free 8YY codes), the United Kingdom and
// Australia keep ranges for fiction.
// The other countries have none, so their numbers are one digit shorter than
// every national number there (Germany, whose numbers vary in length, gets a
// subscriber number that starts with 0, which only ever opens a trunk call).
constexpr Rule kRules[] = {
    {"USA", R"(\+1 (?!8(\d)\1)[2-9]\d\d 555 01\d\d)"},
    {"Canada", R"(\+1 (?!8(\d)\1)[2-9]\d\d 555 01\d\d)"},
    {"England", R"(\+44 (?:20 7946 0\d\d\d|1632 960 \d\d\d))"},
    {"Australia", R"(\+61 [2378] 5550 \d\d\d\d)"},
    {"Germany", R"(\+49 [1-9]\d{1,4} 0\d{2,4}(?: \d{2,4})?)"},
    {"Argentina", R"(\+54(?: \d+)+)"}, // 9 digits; real numbers have 10
    {"Chile", R"(\+56(?: \d+)+)"},     // 8 digits; real numbers have 9
    {"Holland", R"(\+31(?: \d+)+)"},   // 8 digits; real numbers have 9
    {"India", R"(\+91(?: \d+)+)"},     // 9 digits; real numbers have 10
    // 7 digits, real fixed-line numbers have 8; every one reads area code, 55 01, the rest.
    {"Nepal", R"(\+977 (?:1 55 01\d\d|[1-9]\d 55 01\d))"},
};

struct ShortBy
{
    const char *country;
    int digits; // after the country code
};

constexpr ShortBy kShortNumbers[] = {
    {"Argentina", 9}, {"Chile", 8}, {"Holland", 8}, {"India", 9}, {"Nepal", 7},
};

} // namespace

bool isFictionalNumber(const QString &number, const QString &country)
{
    for (const Rule &rule : kRules) {
        if (country != QLatin1String(rule.country))
            continue;
        const QRegularExpression re(QRegularExpression::anchoredPattern(QLatin1String(rule.pattern)));
        if (!re.match(number).hasMatch())
            return false;
        for (const ShortBy &s : kShortNumbers) {
            if (country != QLatin1String(s.country))
                continue;
            const QString national = number.section(QLatin1Char(' '), 1);
            qsizetype digits = 0;
            for (const QChar c : national)
                digits += c.isDigit() ? 1 : 0;
            return digits == s.digits;
        }
        return true;
    }
    return false;
}

} // namespace listings
