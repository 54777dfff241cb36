#pragma once

#include "figure.h"

#include <QString>
#include <QStringList>

namespace pictures {

// Every posture the pictures show, by name (for example "halasana",
// "sirsasana", "padmasana"). Unknown names give an upright standing figure.
Pose posture(const QString &name);
QStringList postureNames();


} // namespace pictures
