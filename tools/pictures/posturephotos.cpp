// The posture photographs: a posed figure in a studio, a hall, a garden or on a beach.
#include "scenes.h"

#include "painting.h"
#include "poses.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>

namespace pictures {

namespace {

void studioBackground(QPainter &p, QSize size, const Setting &s)
{
    const double w = size.width(), h = size.height();
    const double horizon = h * s.horizon;
    QLinearGradient wall(0, 0, 0, horizon);
    wall.setColorAt(0, s.wall.lighter(112));
    wall.setColorAt(1, s.wall.darker(108));
    p.fillRect(QRectF(0, 0, w, horizon), wall);
    if (s.kind == Setting::Hall) {
        // Tall windows let in the light.
        for (int i = 0; i < 3; ++i) {
            const QRectF win(w * (0.12 + 0.3 * i), h * 0.08, w * 0.14, horizon - h * 0.18);
            QLinearGradient g(win.topLeft(), win.bottomLeft());
            g.setColorAt(0, QColor(236, 244, 250));
            g.setColorAt(1, QColor(200, 218, 232));
            p.fillRect(win, g);
            p.setPen(QPen(s.wall.darker(150), std::max(1.0, w / 160)));
            p.drawRect(win);
            p.drawLine(QPointF(win.center().x(), win.top()), QPointF(win.center().x(), win.bottom()));
        }
    }
    QLinearGradient floor(0, horizon, 0, h);
    floor.setColorAt(0, s.floor.darker(115));
    floor.setColorAt(1, s.floor.lighter(108));
    p.fillRect(QRectF(0, horizon, w, h - horizon), floor);
    // Floorboards run away from the viewer and spread out towards us.
    p.setPen(QPen(s.floor.darker(135), std::max(0.6, w / 500)));
    const int boards = 14;
    for (int i = -boards; i <= 2 * boards; ++i) {
        const double xTop = w / 2 + (i - boards / 2.0) * w / boards * 0.55;
        const double xBottom = w / 2 + (i - boards / 2.0) * w / boards * 1.6;
        p.drawLine(QPointF(xTop, horizon), QPointF(xBottom, h));
    }
    // Skirting board.
    p.fillRect(QRectF(0, horizon - std::max(2.0, h * 0.018), w, std::max(2.0, h * 0.018)), s.wall.darker(135));
}

void gardenBackground(QPainter &p, QSize size, const Setting &s)
{
    const double w = size.width(), h = size.height();
    const double horizon = h * s.horizon;
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, QColor(120, 170, 225));
    sky.setColorAt(1, QColor(205, 225, 240));
    p.fillRect(QRectF(0, 0, w, horizon), sky);
    // Bushes and trees along the far edge of the lawn.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 9; ++i) {
        const double x = w * (i / 8.0) + ((i * 37) % 11 - 5) * w / 200;
        const double r = h * (0.09 + 0.03 * ((i * 7) % 3));
        QRadialGradient g(QPointF(x - r * 0.3, horizon - r * 0.8), r * 1.3);
        g.setColorAt(0, QColor(90, 140, 70));
        g.setColorAt(1, QColor(40, 85, 40));
        p.setBrush(g);
        p.drawEllipse(QPointF(x, horizon - r * 0.45), r * 1.2, r);
    }
    QLinearGradient grass(0, horizon, 0, h);
    grass.setColorAt(0, QColor(95, 140, 65));
    grass.setColorAt(1, QColor(130, 170, 85));
    p.fillRect(QRectF(0, horizon, w, h - horizon), grass);
}

void beachBackground(QPainter &p, QSize size, const Setting &s)
{
    const double w = size.width(), h = size.height();
    const double horizon = h * s.horizon;
    QLinearGradient sky(0, 0, 0, horizon * 0.7);
    sky.setColorAt(0, QColor(90, 150, 215));
    sky.setColorAt(1, QColor(200, 225, 240));
    p.fillRect(QRectF(0, 0, w, horizon * 0.7), sky);
    QLinearGradient sea(0, horizon * 0.7, 0, horizon);
    sea.setColorAt(0, QColor(40, 100, 150));
    sea.setColorAt(1, QColor(90, 160, 185));
    p.fillRect(QRectF(0, horizon * 0.7, w, horizon * 0.3), sea);
    QLinearGradient sand(0, horizon, 0, h);
    sand.setColorAt(0, QColor(210, 190, 150));
    sand.setColorAt(1, QColor(232, 214, 175));
    p.fillRect(QRectF(0, horizon, w, h - horizon), sand);
    p.setPen(QPen(QColor(245, 250, 250), std::max(1.0, h / 150)));
    p.drawLine(QPointF(0, horizon), QPointF(w, horizon));
}

void drawMat(QPainter &p, QSize size, const Setting &s, double x0, double x1)
{
    const double h = size.height();
    const double floorY = h * s.floorAt;
    const double depth = std::max(3.0, h * 0.05);
    QPolygonF mat;
    const double lean = depth * 0.8;
    mat << QPointF(x0 + lean, floorY - depth * 0.55) << QPointF(x1 + lean * 0.4, floorY - depth * 0.55)
        << QPointF(x1 - lean * 0.2, floorY + depth * 0.45) << QPointF(x0 - lean * 0.6, floorY + depth * 0.45);
    p.setPen(QPen(s.mat.darker(140), std::max(0.6, h / 400)));
    QLinearGradient g(0, floorY - depth, 0, floorY + depth);
    g.setColorAt(0, s.mat.darker(112));
    g.setColorAt(1, s.mat.lighter(112));
    p.setBrush(g);
    p.drawPolygon(mat);
}

} // namespace

QTransform postureTransform(QSize size, const Pose &pose, const Setting &s)
{
    const double w = size.width(), h = size.height();
    const double floorY = h * s.floorAt;
    const QRectF box(0, 0, w * s.fill, floorY * s.fill);
    return placeFigure(pose, box, floorY, w * s.centre, s.maxScale);
}

QImage posturePicture(QSize size, const QString &name, const Look &look, const Setting &s, bool mirror)
{
    Pose pose = posture(name);
    pose.mirror = mirror != pose.mirror;
    QImage image = painted(size, Qt::white, [&](QPainter &p, double w, double h) {
        switch (s.kind) {
        case Setting::Garden: gardenBackground(p, size, s); break;
        case Setting::Beach: beachBackground(p, size, s); break;
        default: studioBackground(p, size, s); break;
        }
        const double floorY = h * s.floorAt;
        const QTransform t = postureTransform(size, pose, s);
        if (s.hasMat) {
            const QRectF fb = t.mapRect(figureBounds(buildSkeleton(pose)));
            drawMat(p, size, s, fb.left() - w * 0.04, fb.right() + w * 0.04);
        }
        drawFloorShadow(p, pose, t, floorY);
        drawPlacedFigure(p, pose, look, t);
    });
    photoFinish(image, quint32(size.width() * 7919 + size.height()));
    return image;
}

} // namespace pictures
