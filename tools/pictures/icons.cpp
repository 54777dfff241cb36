// The program's icon and its cursor, both drawn for the 16-colour icon format.
#include "scenes.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace pictures {

QImage programIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    // Hard edges: every pixel must land on one of the icon's 16 colours.
    p.setRenderHint(QPainter::Antialiasing, false);
    const double s = size / 32.0;
    p.setPen(QPen(Qt::black, std::max(1.0, s)));
    p.setBrush(QColor(255, 255, 0));
    p.drawEllipse(QRectF(1 * s, 1 * s, 29 * s, 29 * s));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    if (size >= 32) {
        p.drawEllipse(QRectF(9, 9, 4, 6));
        p.drawEllipse(QRectF(19, 9, 4, 6));
        p.setPen(QPen(Qt::black, 2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(8, 10, 16, 13), 200 * 16, 140 * 16);
        p.setPen(QPen(Qt::white, 1));
        p.drawPoint(10, 10);
        p.drawPoint(20, 10);
    } else {
        p.drawRect(QRectF(4, 4, 2, 3));
        p.drawRect(QRectF(10, 4, 2, 3));
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(4, 10, 5, 11);
        p.drawLine(6, 12, 9, 12);
        p.drawLine(10, 11, 11, 10);
    }
    return image;
}

// The same face as the window icon, for the desktop's icon theme at any size. The 16-pixel one is
// the window icon's own pixel drawing; from 24 pixels up the face is drawn smooth at its size,
// with the outline on whole pixels so that its edge stays sharp.
QImage programEmblem(int size)
{
    if (size <= 16)
        return programIcon(16);
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double s = size / 32.0;
    const double outline = std::max(1.0, std::round(s));
    const double inset = outline / 2 + std::max(1.0, std::round(0.5 * s));
    p.setPen(QPen(Qt::black, outline));
    p.setBrush(QColor(255, 255, 0));
    p.drawEllipse(QRectF(inset, inset, size - 2 * inset, size - 2 * inset));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QRectF(9.5 * s, 9 * s, 4 * s, 6 * s));
    p.drawEllipse(QRectF(18.5 * s, 9 * s, 4 * s, 6 * s));
    if (size >= 48) {
        // The glint of the window icon's eyes; at smaller sizes it would only blur them.
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(10.8 * s, 10.6 * s), 0.7 * s, 0.7 * s);
        p.drawEllipse(QPointF(19.8 * s, 10.6 * s), 0.7 * s, 0.7 * s);
    }
    QPen smile(Qt::black, std::max(1.5, 2 * s));
    smile.setCapStyle(Qt::RoundCap);
    p.setPen(smile);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(8 * s, 8.5 * s, 16 * s, 14 * s), 200 * 16, 140 * 16);
    return image;
}

// The arrow outlines; the tip, the hot spot, is the rightmost pixel: (30, 16)
// in the 32x32 image and (14, 8) in the 16x16 one.
namespace {

QPolygonF arrowOutline(int size)
{
    QPolygonF poly;
    if (size >= 32)
        poly << QPointF(1.2, 12.2) << QPointF(15.5, 12.2) << QPointF(15.5, 4.3) << QPointF(31.0, 16.5)
             << QPointF(15.5, 28.7) << QPointF(15.5, 20.8) << QPointF(1.2, 20.8);
    else
        poly << QPointF(0.6, 6.1) << QPointF(8.0, 6.1) << QPointF(8.0, 2.0) << QPointF(15.5, 8.5)
             << QPointF(8.0, 15.0) << QPointF(8.0, 10.9) << QPointF(0.6, 10.9);
    return poly;
}

} // namespace

QImage cursorArrow(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const QPolygonF poly = arrowOutline(size);
    const int cell = size >= 32 ? 2 : 1;
    auto inside = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < size && y < size && poly.containsPoint(QPointF(x + 0.5, y + 0.5), Qt::OddEvenFill);
    };
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (!inside(x, y))
                continue;
            const bool edge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
            QColor c;
            if (edge)
                c = QColor(255, 255, 255);
            else
                c = ((x / cell + y / cell) % 2 == 0) ? QColor(0, 0, 255) : QColor(128, 0, 128);
            image.setPixelColor(x, y, c);
        }
    }
    return image;
}

} // namespace pictures
