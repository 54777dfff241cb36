#pragma once

#include <QImage>
#include <QSize>

namespace pictures {

// Screenshots of the publisher's companion program, built from real widgets.
QImage companionMainWindow(QSize size);
QImage companionHerbWindow(QSize size);

} // namespace pictures
