#pragma once

// The pieces landscapes are built from: sky, clouds, mountains, hills, trees
// and temples. Sizes are in picture pixels.
#include <QColor>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

namespace pictures {

// A vertical gradient from `top` to `bottom` over `r`.
void sky(QPainter &p, QRectF r, QColor top, QColor bottom);
void cloud(QPainter &p, QPointF c, double size, QColor colour = QColor(255, 255, 255, 200));

// A mountain skyline through the given peak heights (fractions of the area's
// height), closed along the area's bottom so that it can be filled.
QPainterPath ridge(QRectF area, double baseY, const QList<double> &peaks, quint32 seed, double rough);

// Four layers of rolling hills fading from `far` to `near`.
void hills(QPainter &p, QRectF r, QColor near, QColor far);

void tree(QPainter &p, QPointF base, double height, QColor leaves, quint32 seed);
void palm(QPainter &p, QPointF base, double height, QColor leaves);

// Stone temple with a curved tower over the shrine and a pillared hall before it.
void temple(QPainter &p, QPointF base, double h, QColor stone, bool flag);

// A tiered-roof temple as found in the hills further north.
void pagoda(QPainter &p, QPointF base, double h, QColor wall, QColor roof);

} // namespace pictures
