#include "scenery.h"

#include "figure.h"
#include "painting.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace pictures {

void sky(QPainter &p, QRectF r, QColor top, QColor bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

void cloud(QPainter &p, QPointF c, double size, QColor colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(c, size, size * 0.45);
    p.drawEllipse(c + QPointF(-size * 0.55, size * 0.1), size * 0.6, size * 0.32);
    p.drawEllipse(c + QPointF(size * 0.6, size * 0.08), size * 0.55, size * 0.3);
}

QPainterPath ridge(QRectF area, double baseY, const QList<double> &peaks, quint32 seed, double rough)
{
    Scatter rnd(seed);
    QPainterPath path;
    path.moveTo(area.left(), area.bottom());
    const int n = int(peaks.size());
    QPointF prev(area.left(), baseY);
    path.lineTo(prev);
    for (int i = 0; i < n; ++i) {
        const double x = area.left() + area.width() * (i + 0.5) / n;
        const double y = area.top() + area.height() * peaks[i];
        const double valley = area.left() + area.width() * (i + 1.0) / n;
        // Jagged shoulders on either side of the peak.
        for (int k = 1; k <= 3; ++k) {
            const double t = k / 4.0;
            path.lineTo(QPointF(prev.x() + (x - prev.x()) * t, prev.y() + (y - prev.y()) * t + rnd.in(-rough, rough)));
        }
        path.lineTo(QPointF(x, y));
        const QPointF next(valley, baseY - area.height() * rnd.in(0.05, 0.2));
        for (int k = 1; k <= 3; ++k) {
            const double t = k / 4.0;
            path.lineTo(QPointF(x + (next.x() - x) * t, y + (next.y() - y) * t + rnd.in(-rough, rough)));
        }
        path.lineTo(next);
        prev = next;
    }
    path.lineTo(area.right(), area.bottom());
    path.closeSubpath();
    return path;
}

void hills(QPainter &p, QRectF r, QColor near, QColor far)
{
    for (int layer = 0; layer < 4; ++layer) {
        const double t = layer / 3.0;
        QColor c = QColor::fromRgbF(far.redF() + (near.redF() - far.redF()) * t, far.greenF() + (near.greenF() - far.greenF()) * t,
                                    far.blueF() + (near.blueF() - far.blueF()) * t);
        QPainterPath path;
        const double base = r.top() + r.height() * (0.32 + 0.14 * layer);
        path.moveTo(r.left(), r.bottom());
        path.lineTo(r.left(), base);
        const int humps = 3 + layer;
        for (int i = 0; i < humps; ++i) {
            const double x0 = r.left() + r.width() * i / humps;
            const double x1 = r.left() + r.width() * (i + 1) / humps;
            const double lift = r.height() * (0.08 + 0.05 * ((i + layer) % 3));
            path.cubicTo(QPointF(x0 + (x1 - x0) * 0.3, base - lift), QPointF(x0 + (x1 - x0) * 0.7, base - lift),
                         QPointF(x1, base + ((i % 2) ? 0 : r.height() * 0.02)));
        }
        path.lineTo(r.right(), r.bottom());
        path.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawPath(path);
    }
}

void tree(QPainter &p, QPointF base, double height, QColor leaves, quint32 seed)
{
    Scatter rnd(seed);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 55, 35));
    p.drawRect(QRectF(base.x() - height * 0.04, base.y() - height * 0.45, height * 0.08, height * 0.45));
    for (int i = 0; i < 9; ++i) {
        const QPointF c(base.x() + rnd.in(-0.25, 0.25) * height, base.y() - height * rnd.in(0.5, 0.9));
        const double r = height * rnd.in(0.16, 0.26);
        QRadialGradient g(c - QPointF(r * 0.3, r * 0.3), r * 1.2);
        g.setColorAt(0, leaves.lighter(130));
        g.setColorAt(1, leaves.darker(120));
        p.setBrush(g);
        p.drawEllipse(c, r, r);
    }
}

void palm(QPainter &p, QPointF base, double height, QColor leaves)
{
    p.setPen(QPen(QColor(110, 85, 55), height * 0.05, Qt::SolidLine, Qt::RoundCap));
    QPainterPath trunk;
    trunk.moveTo(base);
    trunk.quadTo(base + QPointF(height * 0.15, -height * 0.5), base + QPointF(height * 0.08, -height));
    p.setBrush(Qt::NoBrush);
    p.drawPath(trunk);
    const QPointF top = base + QPointF(height * 0.08, -height);
    p.setPen(QPen(leaves, height * 0.035, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 7; ++i) {
        const double a = -kPi * (0.05 + 0.9 * i / 6.0);
        QPainterPath frond;
        frond.moveTo(top);
        const QPointF tip = top + QPointF(std::cos(a) * height * 0.42, std::sin(a) * height * 0.25 + height * 0.14);
        frond.quadTo(top + QPointF(std::cos(a) * height * 0.25, std::sin(a) * height * 0.3), tip);
        p.drawPath(frond);
    }
}

void temple(QPainter &p, QPointF base, double h, QColor stone, bool flag)
{
    const double w = h * 0.5;
    p.setPen(QPen(stone.darker(160), std::max(0.5, h / 120)));
    // Plinth.
    p.setBrush(stone.darker(115));
    p.drawRect(QRectF(base.x() - w * 1.2, base.y() - h * 0.08, w * 2.4, h * 0.08));
    // Hall with pillars.
    p.setBrush(stone);
    const QRectF hall(base.x() - w * 1.15, base.y() - h * 0.34, w * 1.0, h * 0.26);
    p.drawRect(hall);
    p.setBrush(stone.darker(150));
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(hall.left() + hall.width() * (0.1 + 0.22 * i), hall.top() + hall.height() * 0.3,
                          hall.width() * 0.1, hall.height() * 0.7));
    QPolygonF roof;
    roof << QPointF(hall.left() - w * 0.08, hall.top()) << QPointF(hall.center().x(), hall.top() - h * 0.14)
         << QPointF(hall.right() + w * 0.08, hall.top());
    p.setBrush(stone.darker(110));
    p.drawPolygon(roof);
    // The tower: a tapering, curved, ribbed spire.
    const double tx = base.x() + w * 0.35;
    QPainterPath tower;
    tower.moveTo(tx - w * 0.5, base.y() - h * 0.08);
    tower.lineTo(tx - w * 0.5, base.y() - h * 0.4);
    tower.quadTo(tx - w * 0.48, base.y() - h * 0.85, tx - w * 0.12, base.y() - h * 0.92);
    tower.lineTo(tx + w * 0.12, base.y() - h * 0.92);
    tower.quadTo(tx + w * 0.48, base.y() - h * 0.85, tx + w * 0.5, base.y() - h * 0.4);
    tower.lineTo(tx + w * 0.5, base.y() - h * 0.08);
    tower.closeSubpath();
    QLinearGradient g(tx - w * 0.5, 0, tx + w * 0.5, 0);
    g.setColorAt(0, stone.lighter(118));
    g.setColorAt(0.6, stone);
    g.setColorAt(1, stone.darker(135));
    p.setBrush(g);
    p.drawPath(tower);
    p.setPen(QPen(stone.darker(150), std::max(0.4, h / 200)));
    for (int i = 1; i < 9; ++i) {
        const double y = base.y() - h * (0.4 + 0.058 * i);
        const double half = w * (0.5 - 0.04 * i * i / 9.0 - 0.01 * i);
        p.drawLine(QPointF(tx - half, y), QPointF(tx + half, y));
    }
    // Crowning stone and finial.
    p.setBrush(stone.lighter(105));
    p.drawEllipse(QPointF(tx, base.y() - h * 0.95), w * 0.22, h * 0.035);
    p.setPen(QPen(QColor(200, 160, 40), std::max(0.6, h / 90)));
    p.drawLine(QPointF(tx, base.y() - h * 0.98), QPointF(tx, base.y() - h * 1.05));
    if (flag) {
        p.setPen(QPen(QColor(90, 60, 40), std::max(0.5, h / 150)));
        p.drawLine(QPointF(tx, base.y() - h * 1.05), QPointF(tx, base.y() - h * 1.2));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(235, 120, 30));
        QPolygonF fl;
        fl << QPointF(tx, base.y() - h * 1.2) << QPointF(tx + w * 0.45, base.y() - h * 1.16) << QPointF(tx, base.y() - h * 1.11);
        p.drawPolygon(fl);
    }
    // Dark doorway of the shrine.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 30, 25));
    p.drawRoundedRect(QRectF(tx - w * 0.12, base.y() - h * 0.28, w * 0.24, h * 0.2), w * 0.1, w * 0.1);
}

void pagoda(QPainter &p, QPointF base, double h, QColor wall, QColor roof)
{
    const double w = h * 0.55;
    p.setPen(QPen(roof.darker(150), std::max(0.5, h / 120)));
    for (int tier = 0; tier < 3; ++tier) {
        const double scale = 1.0 - tier * 0.25;
        const double y0 = base.y() - h * (0.05 + tier * 0.28);
        const QRectF body(base.x() - w * 0.35 * scale, y0 - h * 0.16, w * 0.7 * scale, h * 0.16);
        p.setBrush(wall);
        p.drawRect(body);
        p.setBrush(wall.darker(150));
        p.drawRect(QRectF(body.center().x() - body.width() * 0.1, body.top() + body.height() * 0.3, body.width() * 0.2,
                          body.height() * 0.7));
        QPolygonF r;
        r << QPointF(body.left() - w * 0.2 * scale, body.top() + h * 0.02) << QPointF(body.left() + w * 0.1 * scale, body.top() - h * 0.1)
          << QPointF(body.right() - w * 0.1 * scale, body.top() - h * 0.1) << QPointF(body.right() + w * 0.2 * scale, body.top() + h * 0.02);
        p.setBrush(roof);
        p.drawPolygon(r);
    }
    p.setBrush(QColor(210, 170, 50));
    p.drawEllipse(QPointF(base.x(), base.y() - h * 0.9), w * 0.06, h * 0.05);
}

} // namespace pictures
