// Scenes, portraits and objects: everything that is not a posture photograph.
#include "scenes.h"

#include "poses.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace pictures {

namespace {

QImage canvas(QSize size, QColor fill)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

// A cheap, repeatable pseudo-random sequence so that scattered details (leaves,
// ripples, stars) land in the same places on every run.
struct Scatter {
    quint32 state;
    explicit Scatter(quint32 seed) : state(seed * 2654435761u + 1) {}
    double next()
    {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / double(1 << 24);
    }
    double in(double lo, double hi) { return lo + (hi - lo) * next(); }
};

void sky(QPainter &p, QRectF r, QColor top, QColor bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

void cloud(QPainter &p, QPointF c, double size, QColor colour = QColor(255, 255, 255, 200))
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(c, size, size * 0.45);
    p.drawEllipse(c + QPointF(-size * 0.55, size * 0.1), size * 0.6, size * 0.32);
    p.drawEllipse(c + QPointF(size * 0.6, size * 0.08), size * 0.55, size * 0.3);
}

QPainterPath ridge(QRectF area, double baseY, const QList<double> &peaks, quint32 seed, double rough)
{
    // A mountain skyline through the given peak heights (fractions of the area's height).
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

void caption(QPainter &p, QRectF r, const QString &text, const QFont &font, QColor colour, int flags)
{
    p.setFont(font);
    p.setPen(QColor(0, 0, 0, 170));
    p.drawText(r.translated(1, 1), flags, text);
    p.setPen(colour);
    p.drawText(r, flags, text);
}

// Stone temple with a curved tower over the shrine and a pillared hall before it.
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

// A tiered-roof temple as found in the hills further north.
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

} // namespace

QImage riversideRitual(QSize size)
{
    QImage image = canvas(size, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double w = size.width(), h = size.height();
    const double waterTop = h * 0.36, stepsTop = h * 0.56;
    sky(p, QRectF(0, 0, w, waterTop), QColor(120, 150, 200), QColor(250, 205, 150));
    // The rising sun and the far bank with its temples.
    QRadialGradient sun(QPointF(w * 0.8, h * 0.2), h * 0.2);
    sun.setColorAt(0, QColor(255, 245, 200));
    sun.setColorAt(0.3, QColor(255, 220, 140));
    sun.setColorAt(1, QColor(255, 220, 140, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(w * 0.8, h * 0.2), h * 0.2, h * 0.2);
    p.setBrush(QColor(150, 120, 110));
    p.drawRect(QRectF(0, waterTop - h * 0.05, w, h * 0.05));
    for (int i = 0; i < 6; ++i)
        temple(p, QPointF(w * (0.06 + 0.13 * i), waterTop - h * 0.02), h * (0.12 + 0.03 * (i % 3)), QColor(170, 140, 120), false);
    // The river, with the sun's path on it.
    QLinearGradient river(0, waterTop, 0, stepsTop);
    river.setColorAt(0, QColor(150, 140, 140));
    river.setColorAt(1, QColor(90, 100, 110));
    p.fillRect(QRectF(0, waterTop, w, stepsTop - waterTop), river);
    p.setPen(QPen(QColor(255, 225, 160, 200), 1));
    Scatter rnd(7);
    for (int i = 0; i < 26; ++i) {
        const double y = rnd.in(waterTop + 1, stepsTop - 1);
        const double x = w * 0.8 + rnd.in(-0.06, 0.06) * w * (y - waterTop) / (stepsTop - waterTop) * 2;
        p.drawLine(QPointF(x - 4, y), QPointF(x + 4, y));
    }
    // The steps down to the water.
    const int steps = 6;
    for (int i = 0; i < steps; ++i) {
        const double y0 = stepsTop + (h - stepsTop) * i / steps;
        const double y1 = stepsTop + (h - stepsTop) * (i + 1) / steps;
        p.fillRect(QRectF(0, y0, w, (y1 - y0) * 0.35), QColor(150, 130, 110).darker(100 + 8 * (steps - i)));
        p.fillRect(QRectF(0, y0 + (y1 - y0) * 0.35, w, (y1 - y0) * 0.65), QColor(200, 180, 150).darker(100 + 4 * (steps - i)));
    }
    // The man, sitting on his heels on a step, raising a brass vessel to the sun.
    Pose pose = posture("offering");
    Look look;
    look.skin = QColor(150, 100, 65);
    look.hair = QColor(30, 25, 20);
    look.bareChest = true;
    look.bottom = QColor(238, 236, 225);
    look.legCover = 3;
    const double floorY = stepsTop + (h - stepsTop) * 3.0 / steps + 1;
    const QTransform t = placeFigure(pose, QRectF(0, 0, w, h * 0.6), floorY, w * 0.42);
    p.setTransform(t);
    drawFigure(p, pose, look);
    const Skeleton s = buildSkeleton(pose);
    const QPointF hands = s.fingertip[1];
    p.resetTransform();
    const QPointF v = t.map(hands);
    const double scale = std::abs(t.m11());
    // Water falls from the vessel's lip in a thin stream.
    QPainterPath stream;
    stream.moveTo(v + QPointF(5 * scale, -1 * scale));
    stream.quadTo(v + QPointF(9 * scale, 3 * scale), QPointF(v.x() + 10 * scale, floorY + 1));
    p.setPen(QPen(QColor(200, 230, 250, 220), std::max(1.0, scale * 0.8)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stream);
    QLinearGradient brass(v.x() - 4 * scale, 0, v.x() + 4 * scale, 0);
    brass.setColorAt(0, QColor(250, 220, 120));
    brass.setColorAt(0.5, QColor(210, 160, 50));
    brass.setColorAt(1, QColor(130, 90, 20));
    p.setPen(QPen(QColor(110, 70, 15), 0.6));
    p.setBrush(brass);
    p.drawEllipse(v + QPointF(0, 1 * scale), 4.2 * scale, 3.6 * scale);
    p.drawRect(QRectF(v.x() - 1.8 * scale, v.y() - 4.2 * scale, 3.6 * scale, 2.6 * scale));
    p.drawEllipse(v + QPointF(0, -4.3 * scale), 3.0 * scale, 0.9 * scale);
    // A second vessel and flowers on the step beside him.
    const QPointF pot(w * 0.62, floorY - 3);
    p.drawEllipse(pot, 4, 3.5);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
        p.setBrush(i % 2 ? QColor(250, 150, 30) : QColor(240, 200, 40));
        p.drawEllipse(QPointF(w * 0.68 + i * 3.5, floorY - 1.5), 1.8, 1.8);
    }
    p.end();
    photoFinish(image, quint32(size.width() * 31 + size.height()));
    return image;
}

QImage devotionalPainting(QSize size)
{
    QImage image = canvas(size, QColor(110, 20, 25));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double w = size.width(), h = size.height();
    // Gold frame and an arched niche.
    p.setPen(QPen(QColor(220, 180, 70), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(4, 4, w - 8, h - 8));
    QPainterPath arch;
    const QRectF niche(w * 0.1, h * 0.06, w * 0.8, h * 0.86);
    arch.moveTo(niche.left(), niche.bottom());
    arch.lineTo(niche.left(), niche.top() + niche.width() * 0.45);
    arch.quadTo(niche.left(), niche.top(), niche.center().x(), niche.top());
    arch.quadTo(niche.right(), niche.top(), niche.right(), niche.top() + niche.width() * 0.45);
    arch.lineTo(niche.right(), niche.bottom());
    arch.closeSubpath();
    QLinearGradient back(0, niche.top(), 0, niche.bottom());
    back.setColorAt(0, QColor(20, 50, 110));
    back.setColorAt(0.7, QColor(40, 110, 120));
    back.setColorAt(1, QColor(60, 120, 60));
    p.setBrush(back);
    p.setPen(QPen(QColor(230, 190, 80), 2.5));
    p.drawPath(arch);
    p.save();
    p.setClipPath(arch);
    // Stars in the night sky of the niche.
    Scatter rnd(11);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 190));
    for (int i = 0; i < 40; ++i)
        p.drawEllipse(QPointF(rnd.in(niche.left(), niche.right()), rnd.in(niche.top(), niche.top() + niche.height() * 0.5)), 0.7, 0.7);
    // Halo of rays.
    const QPointF glow(w / 2, h * 0.27);
    for (int i = 0; i < 24; ++i) {
        p.save();
        p.translate(glow);
        p.rotate(i * 15);
        p.setBrush(i % 2 ? QColor(250, 210, 90, 170) : QColor(255, 240, 170, 170));
        QPolygonF ray;
        ray << QPointF(0, 0) << QPointF(-5, -w * 0.42) << QPointF(5, -w * 0.42);
        p.drawPolygon(ray);
        p.restore();
    }
    // The standing figure with joined palms, on a lotus.
    Pose pose = posture("pranam");
    Look look;
    look.flat = true;
    look.skin = QColor(90, 120, 190);
    look.hair = QColor(20, 20, 40);
    look.hairStyle = Hair::Long;
    look.top = QColor(250, 200, 40);
    look.bottom = QColor(250, 200, 40);
    look.legCover = 3;
    look.sleeves = 0;
    look.eyesClosed = true;
    look.outline = QColor(40, 20, 10);
    look.outlineWidth = 0.7;
    const double floorY = niche.bottom() - h * 0.1;
    const QTransform t = placeFigure(pose, QRectF(0, 0, w, h * 0.74), floorY, w / 2);
    const Skeleton s = buildSkeleton(pose);
    const double scale = std::abs(t.m11());
    QRadialGradient halo(t.map(s.headCentre), 11 * scale);
    halo.setColorAt(0, QColor(255, 250, 200));
    halo.setColorAt(1, QColor(250, 200, 60));
    p.setBrush(halo);
    p.setPen(QPen(QColor(200, 120, 20), 1));
    p.drawEllipse(t.map(s.headCentre), 11 * scale, 11 * scale);
    p.setTransform(t);
    drawFigure(p, pose, look);
    p.resetTransform();
    // Crown.
    const QPointF crown = t.map(s.crown);
    p.setBrush(QColor(240, 190, 40));
    p.setPen(QPen(QColor(120, 70, 10), 0.8));
    QPolygonF c;
    c << crown + QPointF(-5 * scale, 1.5 * scale) << crown + QPointF(-4 * scale, -4 * scale) << crown + QPointF(-1.5 * scale, -1.5 * scale)
      << crown + QPointF(0, -6 * scale) << crown + QPointF(1.5 * scale, -1.5 * scale) << crown + QPointF(4 * scale, -4 * scale)
      << crown + QPointF(5 * scale, 1.5 * scale);
    p.drawPolygon(c);
    // A garland of flowers over the shoulders.
    for (int i = 0; i <= 12; ++i) {
        const double a = kPi * i / 12.0;
        const QPointF at = t.map(s.neckBase) + QPointF(std::cos(a) * 9 * scale, std::sin(a) * 14 * scale);
        p.setBrush(i % 2 ? QColor(240, 240, 240) : QColor(230, 60, 60));
        p.drawEllipse(at, 1.6 * scale, 1.6 * scale);
    }
    // The lotus pedestal.
    const QPointF lotus(w / 2, floorY + 2);
    for (int i = -4; i <= 4; ++i) {
        p.save();
        p.translate(lotus);
        p.rotate(i * 18);
        QLinearGradient petal(0, -h * 0.08, 0, 0);
        petal.setColorAt(0, QColor(255, 200, 220));
        petal.setColorAt(1, QColor(220, 80, 120));
        p.setBrush(petal);
        p.setPen(QPen(QColor(140, 30, 70), 0.8));
        p.drawEllipse(QRectF(-w * 0.05, -h * 0.09, w * 0.1, h * 0.1));
        p.restore();
    }
    p.restore();
    // Two oil lamps at the foot of the niche.
    for (int side : {-1, 1}) {
        const QPointF lamp(w / 2 + side * w * 0.3, niche.bottom() - 6);
        p.setPen(QPen(QColor(120, 80, 20), 0.8));
        p.setBrush(QColor(220, 170, 60));
        p.drawChord(QRectF(lamp.x() - 8, lamp.y() - 5, 16, 10), 180 * 16, 180 * 16);
        QRadialGradient flame(lamp + QPointF(0, -6), 6);
        flame.setColorAt(0, QColor(255, 255, 200));
        flame.setColorAt(0.4, QColor(255, 170, 40));
        flame.setColorAt(1, QColor(255, 120, 0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(flame);
        p.drawEllipse(lamp + QPointF(0, -6), 4, 6);
    }
    return image;
}

QImage lakeMountains(QSize size)
{
    QImage image = canvas(size, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double w = size.width(), h = size.height();
    const double shore = h * 0.55;
    sky(p, QRectF(0, 0, w, shore), QColor(70, 130, 200), QColor(200, 220, 235));
    cloud(p, QPointF(w * 0.2, h * 0.12), w * 0.08);
    cloud(p, QPointF(w * 0.7, h * 0.08), w * 0.06);
    const QRectF range(0, h * 0.1, w, shore - h * 0.1);
    const QPainterPath far = ridge(range, shore, {0.25, 0.05, 0.3, 0.12, 0.35}, 3, h * 0.015);
    const QPainterPath nearer = ridge(range, shore, {0.55, 0.4, 0.6, 0.5}, 9, h * 0.02);
    // Far peaks carry snow above a line.
    p.setPen(Qt::NoPen);
    QLinearGradient rock(0, range.top(), 0, shore);
    rock.setColorAt(0, QColor(120, 125, 145));
    rock.setColorAt(1, QColor(80, 95, 110));
    p.setBrush(rock);
    p.drawPath(far);
    p.save();
    p.setClipPath(far);
    p.setBrush(QColor(245, 248, 252));
    p.drawRect(QRectF(0, 0, w, range.top() + range.height() * 0.32));
    p.restore();
    QLinearGradient forest(0, range.top() + range.height() * 0.4, 0, shore);
    forest.setColorAt(0, QColor(60, 95, 70));
    forest.setColorAt(1, QColor(35, 70, 45));
    p.setBrush(forest);
    p.drawPath(nearer);
    // The lake mirrors the mountains, darker and broken by ripples.
    QLinearGradient lake(0, shore, 0, h);
    lake.setColorAt(0, QColor(80, 120, 150));
    lake.setColorAt(1, QColor(40, 80, 110));
    p.fillRect(QRectF(0, shore, w, h - shore), lake);
    p.save();
    p.setClipRect(QRectF(0, shore, w, h - shore));
    p.setOpacity(0.45);
    QTransform mirror;
    mirror.translate(0, 2 * shore);
    mirror.scale(1, -1);
    p.setTransform(mirror);
    p.setBrush(QColor(70, 85, 100));
    p.drawPath(far);
    p.setBrush(QColor(30, 60, 40));
    p.drawPath(nearer);
    p.resetTransform();
    p.setOpacity(1);
    Scatter rnd(5);
    p.setPen(QPen(QColor(200, 220, 235, 120), 1));
    for (int i = 0; i < 60; ++i) {
        const double y = shore + (h - shore) * std::pow(rnd.next(), 0.7);
        const double x = rnd.in(0, w);
        const double len = 3 + (y - shore) / (h - shore) * 10;
        p.drawLine(QPointF(x, y), QPointF(x + len, y));
    }
    p.restore();
    // Boats: a few rowing boats and one with a sail.
    struct Boat { double x, y, s; bool sail; QColor hull; };
    const Boat boats[] = {{0.25, 0.68, 1.0, false, QColor(160, 50, 40)}, {0.55, 0.62, 0.6, true, QColor(240, 240, 235)},
                          {0.75, 0.8, 1.4, false, QColor(60, 90, 150)}, {0.4, 0.9, 1.8, false, QColor(200, 150, 60)},
                          {0.88, 0.6, 0.5, false, QColor(120, 60, 40)}};
    for (const Boat &b : boats) {
        const QPointF c(w * b.x, h * b.y);
        const double L = w * 0.05 * b.s;
        QPainterPath hull;
        hull.moveTo(c + QPointF(-L, -L * 0.15));
        hull.lineTo(c + QPointF(L, -L * 0.15));
        hull.quadTo(c + QPointF(L * 0.8, L * 0.2), c + QPointF(L * 0.4, L * 0.2));
        hull.lineTo(c + QPointF(-L * 0.5, L * 0.2));
        hull.quadTo(c + QPointF(-L * 0.9, L * 0.15), c + QPointF(-L, -L * 0.15));
        p.setPen(QPen(b.hull.darker(160), 0.7));
        p.setBrush(b.hull);
        p.drawPath(hull);
        p.setPen(QPen(QColor(0, 0, 0, 60), 1));
        p.drawLine(c + QPointF(-L * 0.9, L * 0.35), c + QPointF(L * 0.9, L * 0.35));
        if (b.sail) {
            p.setPen(QPen(QColor(80, 60, 40), 0.8));
            p.drawLine(c + QPointF(0, -L * 0.15), c + QPointF(0, -L * 1.8));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(250, 250, 245));
            QPolygonF sail;
            sail << c + QPointF(0.5, -L * 1.75) << c + QPointF(L * 0.8, -L * 0.3) << c + QPointF(0.5, -L * 0.3);
            p.drawPolygon(sail);
        } else {
            // A rower.
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(230, 230, 220));
            p.drawEllipse(c + QPointF(0, -L * 0.45), L * 0.14, L * 0.3);
            p.setBrush(QColor(200, 150, 120));
            p.drawEllipse(c + QPointF(0, -L * 0.85), L * 0.1, L * 0.1);
            p.setPen(QPen(QColor(90, 60, 30), 0.8));
            p.drawLine(c + QPointF(-L * 0.6, L * 0.3), c + QPointF(L * 0.5, -L * 0.55));
        }
    }
    // Reeds on the near shore.
    p.setPen(QPen(QColor(70, 90, 40), 1));
    for (int i = 0; i < 30; ++i) {
        const double x = rnd.in(0, w * 0.25);
        p.drawLine(QPointF(x, h), QPointF(x + rnd.in(-3, 3), h - rnd.in(6, 18)));
    }
    p.end();
    photoFinish(image, quint32(size.width() * 31 + size.height()));
    return image;
}

QImage templeHills(QSize size, int variant)
{
    QImage image = canvas(size, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double w = size.width(), h = size.height();
    sky(p, QRectF(0, 0, w, h * 0.6), QColor(110, 160, 215), QColor(225, 230, 225));
    cloud(p, QPointF(w * 0.75, h * 0.12), w * 0.07);
    hills(p, QRectF(0, h * 0.15, w, h * 0.85), QColor(70, 120, 55), QColor(165, 185, 190));
    if (variant == 0) {
        // A temple group on a terrace, with palms.
        const double ground = h * 0.86;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 130, 100));
        p.drawRect(QRectF(w * 0.18, ground - h * 0.02, w * 0.64, h * 0.06));
        temple(p, QPointF(w * 0.62, ground), h * 0.55, QColor(215, 190, 150), true);
        temple(p, QPointF(w * 0.33, ground), h * 0.38, QColor(200, 175, 140), false);
        palm(p, QPointF(w * 0.1, h * 0.95), h * 0.45, QColor(40, 100, 40));
        palm(p, QPointF(w * 0.9, h * 0.97), h * 0.5, QColor(35, 95, 40));
        tree(p, QPointF(w * 0.2, h), h * 0.25, QColor(60, 120, 50), 4);
        p.fillRect(QRectF(0, h * 0.94, w, h * 0.06), QColor(120, 140, 70));
        p.setPen(QPen(QColor(120, 100, 80), 1));
        for (int i = 0; i < 5; ++i)
            p.drawLine(QPointF(w * 0.45, ground + h * 0.04 + i * h * 0.012), QPointF(w * 0.55, ground + h * 0.04 + i * h * 0.012));
    } else {
        // Tiered-roof temples on a hillside among trees.
        pagoda(p, QPointF(w * 0.42, h * 0.8), h * 0.6, QColor(225, 210, 180), QColor(130, 60, 40));
        pagoda(p, QPointF(w * 0.72, h * 0.72), h * 0.38, QColor(215, 200, 170), QColor(120, 55, 40));
        tree(p, QPointF(w * 0.12, h * 0.95), h * 0.45, QColor(50, 105, 45), 8);
        tree(p, QPointF(w * 0.9, h * 0.98), h * 0.4, QColor(55, 110, 50), 2);
        p.fillRect(QRectF(0, h * 0.9, w, h * 0.1), QColor(100, 130, 60));
    }
    p.end();
    photoFinish(image, quint32(size.width() * 31 + size.height()));
    return image;
}

QImage bookCover(QSize size)
{
    QImage image = canvas(size, QColor(30, 28, 35));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double w = size.width(), h = size.height();
    // The jacket lies flat: back cover, spine, front cover.
    const QRectF book(w * 0.04, h * 0.06, w * 0.92, h * 0.86);
    const double spine = book.width() * 0.07;
    const double coverW = (book.width() - spine) / 2;
    const QRectF back(book.left(), book.top(), coverW, book.height());
    const QRectF spineR(back.right(), book.top(), spine, book.height());
    const QRectF front(spineR.right(), book.top(), coverW, book.height());
    // Shadow under the book.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawRect(book.translated(3, 4));
    QLinearGradient cover(book.topLeft(), book.bottomRight());
    cover.setColorAt(0, QColor(25, 35, 90));
    cover.setColorAt(1, QColor(60, 20, 80));
    p.setBrush(cover);
    p.drawRect(book);
    // Spine: a darker band with the title running down it.
    p.setBrush(QColor(15, 20, 55));
    p.drawRect(spineR);
    p.save();
    p.translate(spineR.center());
    p.rotate(90);
    p.setPen(QColor(230, 200, 110));
    p.setFont(pictureFont("Liberation Serif", spine * 0.62, true));
    p.drawText(QRectF(-book.height() / 2, -spine / 2, book.height(), spine), Qt::AlignCenter, "TESMARA");
    p.restore();
    // Front: title, a yantra in colour and the author.
    p.setPen(QColor(240, 210, 120));
    p.setFont(pictureFont("Liberation Serif", front.height() * 0.11, true));
    p.drawText(QRectF(front.left(), front.top() + front.height() * 0.04, front.width(), front.height() * 0.15),
               Qt::AlignCenter, "TESMARA");
    const QPointF c(front.center().x(), front.top() + front.height() * 0.52);
    const double r = front.width() * 0.33;
    p.setPen(QPen(QColor(240, 200, 90), 1.2));
    p.setBrush(QColor(200, 40, 50));
    p.drawRect(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r));
    p.setBrush(QColor(250, 220, 120));
    p.drawEllipse(c, r * 0.88, r * 0.88);
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(c);
        p.rotate(i * 45);
        p.setBrush(QColor(230, 110, 140));
        p.drawEllipse(QRectF(-r * 0.12, -r * 0.86, r * 0.24, r * 0.3));
        p.restore();
    }
    p.setBrush(QColor(30, 60, 150));
    p.drawEllipse(c, r * 0.56, r * 0.56);
    for (int k = 0; k < 2; ++k) {
        QPolygonF tri;
        const double s = r * 0.5;
        const int dir = k == 0 ? -1 : 1;
        tri << c + QPointF(0, dir * s) << c + QPointF(-s * 0.87, -dir * s * 0.5) << c + QPointF(s * 0.87, -dir * s * 0.5);
        p.setBrush(k == 0 ? QColor(250, 190, 40) : QColor(240, 90, 40));
        p.drawPolygon(tri);
    }
    p.setBrush(QColor(255, 255, 230));
    p.drawEllipse(c, r * 0.08, r * 0.08);
    p.setPen(QColor(230, 230, 240));
    p.setFont(pictureFont("Liberation Sans", front.height() * 0.055));
    p.drawText(QRectF(front.left(), front.bottom() - front.height() * 0.16, front.width(), front.height() * 0.1),
               Qt::AlignCenter, "Morvane Zuvovuroda");
    // Back: a short text block and a bar code.
    p.setPen(QColor(240, 210, 120));
    p.setFont(pictureFont("Liberation Serif", back.height() * 0.06, true, true));
    p.drawText(QRectF(back.left(), back.top() + back.height() * 0.06, back.width(), back.height() * 0.1), Qt::AlignCenter,
               "Know thy Self");
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 200, 215, 170));
    Scatter rnd(21);
    for (int i = 0; i < 11; ++i) {
        const double lw = back.width() * (i % 4 == 3 ? rnd.in(0.3, 0.5) : rnd.in(0.68, 0.76));
        p.drawRect(QRectF(back.left() + back.width() * 0.12, back.top() + back.height() * (0.22 + 0.045 * i), lw, 1.4));
    }
    const QRectF code(back.left() + back.width() * 0.55, back.bottom() - back.height() * 0.17, back.width() * 0.33,
                      back.height() * 0.12);
    p.setBrush(Qt::white);
    p.drawRect(code);
    p.setBrush(Qt::black);
    double x = code.left() + 2;
    while (x < code.right() - 3) {
        const double bw = rnd.next() < 0.5 ? 0.8 : 1.6;
        p.drawRect(QRectF(x, code.top() + 2, bw, code.height() - 4));
        x += bw + (rnd.next() < 0.5 ? 0.9 : 1.7);
    }
    // Light falls across the jacket from the left.
    QLinearGradient sheen(book.topLeft(), book.topRight());
    sheen.setColorAt(0, QColor(255, 255, 255, 40));
    sheen.setColorAt(1, QColor(0, 0, 0, 50));
    p.setBrush(sheen);
    p.drawRect(book);
    return image;
}

QImage publisherLogo(QSize size)
{
    QImage image = canvas(size, QColor(192, 192, 192));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double w = size.width(), h = size.height();
    const QPointF c(w / 2, h / 2);
    const double r = std::min(w, h) * 0.26;
    // The black field with the blue disc and the white star.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(c, r, r);
    QRadialGradient blue(c - QPointF(r * 0.2, r * 0.2), r * 0.8);
    blue.setColorAt(0, QColor(90, 140, 255));
    blue.setColorAt(1, QColor(10, 40, 170));
    p.setBrush(blue);
    p.drawEllipse(c, r * 0.62, r * 0.62);
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double a = -kPi / 2 + i * kPi / 5;
        const double rr = i % 2 == 0 ? r * 0.5 : r * 0.2;
        star << c + QPointF(std::cos(a) * rr, std::sin(a) * rr);
    }
    p.setBrush(Qt::white);
    p.drawPolygon(star);
    // Three gold-olive orbits around it.
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(c);
        p.rotate(i * 60 + 15);
        QLinearGradient gold(-r * 1.7, 0, r * 1.7, 0);
        gold.setColorAt(0, QColor(200, 180, 60));
        gold.setColorAt(0.5, QColor(150, 140, 30));
        gold.setColorAt(1, QColor(215, 195, 80));
        p.setPen(QPen(QBrush(gold), r * 0.085));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(0, 0), r * 1.72, r * 0.62);
        p.restore();
    }
    return image;
}

QImage jettyHeadstand(QSize size)
{
    QImage image = canvas(size, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double w = size.width(), h = size.height();
    const double horizon = h * 0.42;
    sky(p, QRectF(0, 0, w, horizon), QColor(80, 140, 210), QColor(210, 225, 235));
    cloud(p, QPointF(w * 0.3, h * 0.1), w * 0.12);
    // The far shore: wooded hills.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 100, 70));
    QPainterPath shore;
    shore.moveTo(0, horizon);
    shore.cubicTo(QPointF(w * 0.3, horizon - h * 0.08), QPointF(w * 0.6, horizon - h * 0.02), QPointF(w, horizon - h * 0.06));
    shore.lineTo(w, horizon + 2);
    shore.lineTo(0, horizon + 2);
    shore.closeSubpath();
    p.drawPath(shore);
    QLinearGradient lake(0, horizon, 0, h);
    lake.setColorAt(0, QColor(70, 120, 160));
    lake.setColorAt(1, QColor(30, 70, 110));
    p.fillRect(QRectF(0, horizon + 1, w, h - horizon), lake);
    Scatter rnd(13);
    p.setPen(QPen(QColor(210, 230, 245, 110), 1));
    for (int i = 0; i < 50; ++i) {
        const double y = rnd.in(horizon + 2, h);
        const double x = rnd.in(0, w);
        p.drawLine(QPointF(x, y), QPointF(x + 3 + (y - horizon) / h * 12, y));
    }
    // The jetty runs out from the bottom of the picture.
    const double deckTop = h * 0.58;
    QPolygonF deck;
    deck << QPointF(w * 0.38, deckTop) << QPointF(w * 0.72, deckTop) << QPointF(w * 1.05, h) << QPointF(-w * 0.05, h);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 115, 80));
    p.drawPolygon(deck);
    p.setPen(QPen(QColor(100, 70, 45), 1));
    for (int i = 1; i < 14; ++i) {
        const double t = std::pow(i / 14.0, 1.6);
        const double y = deckTop + (h - deckTop) * t;
        const double xl = w * 0.38 + (-w * 0.05 - w * 0.38) * t, xr = w * 0.72 + (w * 1.05 - w * 0.72) * t;
        p.drawLine(QPointF(xl, y), QPointF(xr, y));
    }
    p.setPen(QPen(QColor(90, 65, 40), 3));
    p.drawLine(QPointF(w * 0.4, deckTop), QPointF(w * 0.4, deckTop - h * 0.05));
    p.drawLine(QPointF(w * 0.7, deckTop), QPointF(w * 0.7, deckTop - h * 0.05));
    // The headstand in the middle of the deck.
    Pose pose = posture("sirsasana");
    Look look;
    look.skin = QColor(205, 150, 110);
    look.hair = QColor(60, 40, 25);
    look.bareChest = true;
    look.bottom = QColor(180, 40, 40);
    const double floorY = h * 0.74;
    const QTransform t = placeFigure(pose, QRectF(0, 0, w, floorY - h * 0.06), floorY, w * 0.5);
    drawFloorShadow(p, pose, t, floorY);
    p.setTransform(t);
    drawFigure(p, pose, look);
    p.resetTransform();
    // The caption printed into the photograph.
    const QFont font = pictureFont("Liberation Sans", h * 0.036, true);
    caption(p, QRectF(0, h * 0.86, w, h * 0.05), "Sirsasana - Lake Veyra jetty", font, QColor(255, 250, 220), Qt::AlignCenter);
    caption(p, QRectF(0, h * 0.91, w, h * 0.05), "Summer 1997", font, QColor(255, 250, 220), Qt::AlignCenter);
    p.end();
    photoFinish(image, quint32(size.width() * 31 + size.height()));
    return image;
}

QImage businessmanTree(QSize size)
{
    QImage image = canvas(size, QColor(200, 230, 250));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double w = size.width(), h = size.height();
    const double ground = h * 0.9;
    sky(p, QRectF(0, 0, w, ground), QColor(170, 215, 245), QColor(230, 245, 250));
    const QPen ink(QColor(30, 30, 30), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(ink);
    p.setBrush(QColor(120, 190, 80));
    QPainterPath grass;
    grass.moveTo(0, ground);
    grass.quadTo(w / 2, ground - h * 0.04, w, ground);
    grass.lineTo(w, h + 2);
    grass.lineTo(0, h + 2);
    grass.closeSubpath();
    p.drawPath(grass);
    // The tree: a sturdy trunk and a big round crown.
    const double trunkX = w * 0.68, trunkW = w * 0.16;
    p.setBrush(QColor(70, 150, 60));
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(trunkX + (i - 2) * w * 0.1, h * 0.2 + (i % 2) * h * 0.06), w * 0.18, h * 0.13);
    p.setBrush(QColor(140, 95, 55));
    QPainterPath trunk;
    trunk.moveTo(trunkX - trunkW / 2, ground + 2);
    trunk.quadTo(trunkX - trunkW * 0.35, h * 0.5, trunkX - trunkW * 0.4, h * 0.28);
    trunk.lineTo(trunkX + trunkW * 0.4, h * 0.28);
    trunk.quadTo(trunkX + trunkW * 0.35, h * 0.5, trunkX + trunkW / 2, ground + 2);
    trunk.closeSubpath();
    p.drawPath(trunk);
    p.setPen(QPen(QColor(90, 60, 30), 1));
    for (int i = 0; i < 6; ++i) {
        const double y = h * (0.38 + 0.08 * i);
        p.drawArc(QRectF(trunkX - trunkW * 0.3 + (i % 2) * 6, y, 8, 6), 0, 180 * 16);
    }
    // The man, eyes closed, arms round the trunk.
    Pose pose = posture("treehug");
    Look look;
    look.flat = true;
    look.outline = QColor(30, 30, 30);
    look.outlineWidth = 0.8;
    look.skin = QColor(250, 205, 170);
    look.hair = QColor(90, 60, 40);
    look.top = QColor(70, 75, 95);
    look.bottom = QColor(70, 75, 95);
    look.sleeves = 2;
    look.legCover = 3;
    look.shoes = QColor(30, 25, 25);
    look.eyesClosed = true;
    QTransform t = placeFigure(pose, QRectF(0, 0, w * 0.6, ground * 0.78), ground, w * 0.42);
    const Skeleton s = buildSkeleton(pose);
    {
        // Bring him up against the trunk: his chest touches its left side.
        const QPointF chest = t.map(s.pelvis + (s.neckBase - s.pelvis) * 0.7 + direction(pose.torso + 90) * 7);
        const double dx = (trunkX - trunkW * 0.42) - chest.x();
        t = t * QTransform::fromTranslate(dx, 0);
    }
    // The briefcase hangs from the far hand.
    const QPointF grip = t.map(s.fingertip[0]);
    const double scale = std::abs(t.m11());
    p.setTransform(t);
    drawFigure(p, pose, look);
    p.resetTransform();
    p.setPen(ink);
    p.setBrush(QColor(110, 60, 30));
    p.drawRoundedRect(QRectF(grip.x() - 9 * scale, grip.y() + 1 * scale, 18 * scale, 13 * scale), 2, 2);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(grip.x() - 3 * scale, grip.y() - 1.5 * scale, 6 * scale, 5 * scale), 0, 180 * 16);
    // Shirt collar and red tie.
    const QPointF neck = t.map(s.neckBase);
    p.setBrush(QColor(200, 30, 40));
    QPolygonF tie;
    tie << neck + QPointF(2.5 * scale, 0) << neck + QPointF(4.5 * scale, 3 * scale) << neck + QPointF(4 * scale, 11 * scale)
        << neck + QPointF(2 * scale, 12 * scale) << neck + QPointF(1.8 * scale, 3 * scale);
    p.drawPolygon(tie);
    // The near arm goes round the front of the trunk.
    p.setBrush(look.top);
    const QPointF shoulder = t.map(s.shoulder[1]);
    const QPointF handAt(trunkX + trunkW * 0.3, shoulder.y() + 10 * scale);
    QPainterPath arm;
    arm.moveTo(shoulder + QPointF(-3 * scale, -2 * scale));
    arm.quadTo(shoulder + QPointF(4 * scale, 12 * scale), handAt + QPointF(0, -3 * scale));
    arm.lineTo(handAt + QPointF(0, 3 * scale));
    arm.quadTo(shoulder + QPointF(-2 * scale, 18 * scale), shoulder + QPointF(-4 * scale, 4 * scale));
    arm.closeSubpath();
    p.drawPath(arm);
    p.setBrush(look.skin);
    p.drawEllipse(handAt + QPointF(1.5 * scale, 0), 3 * scale, 3.5 * scale);
    // A little heart for the tree.
    p.setBrush(QColor(230, 50, 70));
    const QPointF heart(trunkX - trunkW * 0.1, h * 0.2);
    QPainterPath hp;
    hp.moveTo(heart + QPointF(0, 6));
    hp.cubicTo(heart + QPointF(-10, -2), heart + QPointF(-4, -9), heart + QPointF(0, -3));
    hp.cubicTo(heart + QPointF(4, -9), heart + QPointF(10, -2), heart + QPointF(0, 6));
    p.drawPath(hp);
    return image;
}

QImage portrait(QSize size, const PortraitSpec &spec)
{
    QImage image = canvas(size, spec.background);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double w = size.width(), h = size.height();
    QRadialGradient bg(QPointF(w * 0.4, h * 0.35), std::max(w, h) * 0.8);
    bg.setColorAt(0, spec.background.lighter(125));
    bg.setColorAt(1, spec.background2.isValid() ? spec.background2 : spec.background.darker(140));
    p.fillRect(image.rect(), bg);
    const Look &look = spec.look;
    const QPointF face(w * 0.5, h * 0.4);
    const double R = std::min(w * 0.24, h * 0.2); // half the face width
    auto shade = [&](QColor c, QPointF centre, double radius) {
        QRadialGradient g(centre - QPointF(radius * 0.35, radius * 0.4), radius * 1.5);
        g.setColorAt(0, c.lighter(118));
        g.setColorAt(0.6, c);
        g.setColorAt(1, c.darker(135));
        return g;
    };
    p.setPen(Qt::NoPen);
    // Hair that falls behind the shoulders.
    if (look.hairStyle == Hair::Long) {
        p.setBrush(shade(look.hair, face, R * 1.6));
        p.drawRoundedRect(QRectF(face.x() - R * 1.35, face.y() - R * 1.3, R * 2.7, R * 3.6), R * 0.9, R * 0.9);
    }
    // Shoulders and garment.
    QPainterPath body;
    body.moveTo(0, h);
    body.cubicTo(QPointF(0, h * 0.78), QPointF(w * 0.2, h * 0.7), QPointF(face.x() - R * 0.6, face.y() + R * 1.55));
    body.lineTo(face.x() + R * 0.6, face.y() + R * 1.55);
    body.cubicTo(QPointF(w * 0.8, h * 0.7), QPointF(w, h * 0.78), QPointF(w, h));
    body.closeSubpath();
    p.setBrush(shade(look.top, QPointF(w * 0.45, h * 0.8), w * 0.5));
    // Neck first, so the collar covers its base.
    p.save();
    p.setBrush(shade(look.skin.darker(110), face + QPointF(0, R * 1.3), R * 0.6));
    p.drawRect(QRectF(face.x() - R * 0.45, face.y() + R * 0.6, R * 0.9, R * 1.2));
    p.restore();
    p.drawPath(body);
    // Neckline.
    p.setBrush(shade(look.skin.darker(105), face + QPointF(0, R * 1.6), R * 0.6));
    QPainterPath v;
    v.moveTo(face.x() - R * 0.55, face.y() + R * 1.5);
    v.quadTo(face.x(), face.y() + R * 2.4, face.x() + R * 0.55, face.y() + R * 1.5);
    v.closeSubpath();
    p.drawPath(v);
    if (spec.garland) {
        for (int i = 0; i <= 14; ++i) {
            const double a = kPi * (0.1 + 0.8 * i / 14.0);
            p.setBrush(i % 2 ? QColor(250, 160, 30) : QColor(250, 220, 60));
            p.drawEllipse(face + QPointF(std::cos(a) * R * 1.4, R * 1.4 + std::sin(a) * R * 1.3), R * 0.14, R * 0.14);
        }
    }
    // A bald head keeps a little hair above the ears, behind the skull's outline.
    if (look.hairStyle == Hair::Bald) {
        p.setBrush(shade(look.hair, face, R));
        p.drawEllipse(face + QPointF(-R * 0.93, -R * 0.22), R * 0.14, R * 0.3);
        p.drawEllipse(face + QPointF(R * 0.93, -R * 0.22), R * 0.14, R * 0.3);
    }
    // Ears and face.
    p.setBrush(shade(look.skin, face, R));
    p.drawEllipse(face + QPointF(-R * 0.98, R * 0.05), R * 0.2, R * 0.32);
    p.drawEllipse(face + QPointF(R * 0.98, R * 0.05), R * 0.2, R * 0.32);
    QPainterPath head;
    head.moveTo(face + QPointF(-R, -R * 0.3));
    head.cubicTo(face + QPointF(-R * 1.02, R * 0.7), face + QPointF(-R * 0.55, R * 1.25), face + QPointF(0, R * 1.3));
    head.cubicTo(face + QPointF(R * 0.55, R * 1.25), face + QPointF(R * 1.02, R * 0.7), face + QPointF(R, -R * 0.3));
    head.cubicTo(face + QPointF(R, -R * 1.45), face + QPointF(-R, -R * 1.45), face + QPointF(-R, -R * 0.3));
    p.drawPath(head);
    // Hair on top.
    if (look.hairStyle != Hair::Bald) {
        QPainterPath hair;
        hair.moveTo(face + QPointF(-R * 1.05, R * 0.1));
        // The crown of the hair rises above the skull so none of the scalp shows.
        hair.cubicTo(face + QPointF(-R * 1.2, -R * 1.78), face + QPointF(R * 1.2, -R * 1.78), face + QPointF(R * 1.05, R * 0.1));
        hair.cubicTo(face + QPointF(R * 0.9, -R * 0.5), face + QPointF(R * 0.3, -R * 0.75), face + QPointF(-R * 0.2, -R * 0.72));
        hair.cubicTo(face + QPointF(-R * 0.6, -R * 0.6), face + QPointF(-R * 0.95, -R * 0.4), face + QPointF(-R * 1.05, R * 0.1));
        p.setBrush(shade(look.hair, face - QPointF(0, R), R * 1.2));
        p.drawPath(hair);
        if (look.hairStyle == Hair::Bun) {
            p.drawEllipse(face + QPointF(0, -R * 1.35), R * 0.42, R * 0.34);
        }
    }
    // Eyes, brows, nose and mouth.
    for (int side : {-1, 1}) {
        const QPointF eye = face + QPointF(side * R * 0.4, 0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 248, 240));
        p.drawEllipse(eye, R * 0.2, R * 0.1);
        p.setBrush(QColor(70, 50, 35));
        p.drawEllipse(eye, R * 0.09, R * 0.09);
        p.setBrush(Qt::black);
        p.drawEllipse(eye, R * 0.045, R * 0.045);
        p.setPen(QPen(look.skin.darker(170), R * 0.04));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(eye.x() - R * 0.22, eye.y() - R * 0.13, R * 0.44, R * 0.26), 20 * 16, 140 * 16);
        const QColor brow = look.hairStyle == Hair::Bald ? look.hair : look.hair.darker(110);
        p.setPen(QPen(brow, R * 0.08, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(eye + QPointF(-side * R * 0.2, -R * 0.2), eye + QPointF(side * R * 0.22, -R * 0.24));
        if (spec.age > 0.3) {
            p.setPen(QPen(look.skin.darker(135), R * 0.025));
            p.drawArc(QRectF(eye.x() - R * 0.18, eye.y() + R * 0.02, R * 0.36, R * 0.2), 200 * 16, 140 * 16);
        }
    }
    p.setPen(QPen(look.skin.darker(145), R * 0.045, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(face + QPointF(R * 0.03, R * 0.05), face + QPointF(R * 0.1, R * 0.45));
    p.drawArc(QRectF(face.x() - R * 0.18, face.y() + R * 0.38, R * 0.36, R * 0.16), 200 * 16, 140 * 16);
    p.setPen(QPen(look.female ? QColor(180, 70, 80) : look.skin.darker(165), R * 0.06, Qt::SolidLine, Qt::RoundCap));
    if (spec.smile)
        p.drawArc(QRectF(face.x() - R * 0.32, face.y() + R * 0.5, R * 0.64, R * 0.3), 200 * 16, 140 * 16);
    else
        p.drawLine(face + QPointF(-R * 0.22, R * 0.72), face + QPointF(R * 0.22, R * 0.72));
    if (spec.age > 0.3) {
        p.setPen(QPen(look.skin.darker(130), R * 0.03));
        for (int i = 0; i < 3; ++i)
            p.drawLine(face + QPointF(-R * 0.35, -R * (0.55 + 0.1 * i)), face + QPointF(R * 0.35, -R * (0.55 + 0.1 * i)));
    }
    if (look.beard) {
        QPainterPath beard;
        const double length = 1.2 + spec.age * 1.6;
        beard.moveTo(face + QPointF(-R * 0.95, R * 0.2));
        beard.cubicTo(face + QPointF(-R * 1.0, R * length), face + QPointF(-R * 0.3, R * (length + 0.5)), face + QPointF(0, R * (length + 0.6)));
        beard.cubicTo(face + QPointF(R * 0.3, R * (length + 0.5)), face + QPointF(R * 1.0, R * length), face + QPointF(R * 0.95, R * 0.2));
        beard.cubicTo(face + QPointF(R * 0.7, R * 0.7), face + QPointF(R * 0.35, R * 0.55), face + QPointF(R * 0.25, R * 0.5));
        beard.cubicTo(face + QPointF(R * 0.1, R * 0.85), face + QPointF(-R * 0.1, R * 0.85), face + QPointF(-R * 0.25, R * 0.5));
        beard.cubicTo(face + QPointF(-R * 0.35, R * 0.55), face + QPointF(-R * 0.7, R * 0.7), face + QPointF(-R * 0.95, R * 0.2));
        p.setPen(Qt::NoPen);
        p.setBrush(shade(look.hair, face + QPointF(0, R), R * 1.2));
        p.drawPath(beard);
        // Moustache.
        p.drawEllipse(face + QPointF(-R * 0.17, R * 0.5), R * 0.2, R * 0.08);
        p.drawEllipse(face + QPointF(R * 0.17, R * 0.5), R * 0.2, R * 0.08);
    }
    if (spec.glasses) {
        p.setPen(QPen(QColor(40, 40, 40), R * 0.05));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(face.x() - R * 0.68, face.y() - R * 0.17, R * 0.56, R * 0.36), R * 0.1, R * 0.1);
        p.drawRoundedRect(QRectF(face.x() + R * 0.12, face.y() - R * 0.17, R * 0.56, R * 0.36), R * 0.1, R * 0.1);
        p.drawLine(face + QPointF(-R * 0.12, -R * 0.02), face + QPointF(R * 0.12, -R * 0.02));
    }
    if (look.hairStyle == Hair::Turban) {
        p.setPen(Qt::NoPen);
        p.setBrush(shade(look.hair, face - QPointF(0, R), R * 1.2));
        p.drawEllipse(face + QPointF(0, -R * 0.85), R * 1.12, R * 0.75);
    }
    p.end();
    photoFinish(image, quint32(size.width() * 31 + size.height()));
    return image;
}

QImage seatedTeacher(QSize size, const Look &look, QColor wall, QColor floor, bool lotus)
{
    Setting s;
    s.wall = wall;
    s.floor = floor;
    s.hasMat = true;
    s.mat = QColor(170, 40, 40);
    s.floorAt = 0.9;
    s.fill = 0.92;
    s.horizon = 0.7;
    QImage image = posturePicture(size, lotus ? "padmasanaknees" : "siddhasana", look, s);
    return image;
}

} // namespace pictures
