#pragma once

#include <QImage>
#include <QSize>

namespace pictures {

// Screenshots of the publisher's companion program, built from real widgets.
QImage companionMainWindow(QSize size, qreal density = 1);
QImage companionHerbWindow(QSize size, qreal density = 1);

} // namespace pictures
