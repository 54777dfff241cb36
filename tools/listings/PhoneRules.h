#pragma once

#include <QString>

namespace listings {

// True if the number, written "+CC ...", can never ring a real line in the
// given country: inside a range kept for fiction where the country has one,
// otherwise in a form that the country's numbering plan cannot dial.
bool isFictionalNumber(const QString &number, const QString &country);

} // namespace listings
