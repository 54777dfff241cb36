#include "scenes.h"

#include "poses.h"

#include <QFontDatabase>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace pictures {

QFont pictureFont(const QString &family, double pixelSize, bool bold, bool italic)
{
    QFont f(family);
    f.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    f.setBold(bold);
    f.setItalic(italic);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

namespace {

QImage canvas(QSize size, QColor fill = Qt::white)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

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

void photoFinish(QImage &image, quint32 seed)
{
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);
        const QPointF c(image.width() / 2.0, image.height() / 2.0);
        const double r = std::hypot(c.x(), c.y());
        QRadialGradient g(c, r);
        g.setColorAt(0, QColor(0, 0, 0, 0));
        g.setColorAt(0.65, QColor(0, 0, 0, 0));
        g.setColorAt(1, QColor(0, 0, 0, 70));
        p.fillRect(image.rect(), g);
    }
    quint32 state = seed * 2654435761u + 12345u;
    for (int y = 0; y < image.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            state = state * 1664525u + 1013904223u;
            const int n = int((state >> 24) % 9) - 4;
            const QRgb c = line[x];
            line[x] = qRgb(std::clamp(qRed(c) + n, 0, 255), std::clamp(qGreen(c) + n, 0, 255),
                           std::clamp(qBlue(c) + n, 0, 255));
        }
    }
}

QTransform postureTransform(QSize size, const Pose &pose, const Setting &s)
{
    const double w = size.width(), h = size.height();
    const double floorY = h * s.floorAt;
    const QRectF box(0, 0, w * s.fill, floorY * s.fill);
    return placeFigure(pose, box, floorY, w * s.centre, s.maxScale);
}

QImage posturePicture(QSize size, const QString &name, const Look &look, const Setting &s, bool mirror)
{
    QImage image = canvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    switch (s.kind) {
    case Setting::Garden: gardenBackground(p, size, s); break;
    case Setting::Beach: beachBackground(p, size, s); break;
    default: studioBackground(p, size, s); break;
    }
    Pose pose = posture(name);
    pose.mirror = mirror != pose.mirror;
    const double w = size.width(), h = size.height();
    const double floorY = h * s.floorAt;
    const QTransform t = postureTransform(size, pose, s);
    if (s.hasMat) {
        const QRectF fb = t.mapRect(figureBounds(buildSkeleton(pose)));
        drawMat(p, size, s, fb.left() - w * 0.04, fb.right() + w * 0.04);
    }
    drawFloorShadow(p, pose, t, floorY);
    p.setTransform(t);
    drawFigure(p, pose, look);
    p.end();
    photoFinish(image, quint32(size.width() * 7919 + size.height()));
    return image;
}

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

// The arrow outlines; the tip, the hot spot, is the rightmost pixel: (30, 16)
// in the 32x32 image and (14, 8) in the 16x16 one.
static QPolygonF arrowOutline(int size)
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

QImage miniatureMeditation(QSize size)
{
    QImage image = canvas(size, QColor(120, 20, 20));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double w = size.width(), h = size.height();
    // Border: red field, gold rule, then the painted panel.
    const QRectF panel(5, 5, w - 10, h - 10);
    p.setPen(QPen(QColor(212, 170, 60), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(panel.adjusted(-1.5, -1.5, 1.5, 1.5));
    for (int i = 0; i < int(w / 8); ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 200, 90));
        p.drawEllipse(QPointF(4 + i * 8, 2.2), 1.1, 1.1);
        p.drawEllipse(QPointF(4 + i * 8, h - 2.2), 1.1, 1.1);
    }
    p.save();
    p.setClipRect(panel);
    // Flat sky band and a green ground, as such paintings have them.
    p.fillRect(panel, QColor(46, 96, 62));
    QLinearGradient sky(0, panel.top(), 0, panel.top() + panel.height() * 0.35);
    sky.setColorAt(0, QColor(30, 50, 120));
    sky.setColorAt(1, QColor(215, 160, 90));
    p.fillRect(QRectF(panel.left(), panel.top(), panel.width(), panel.height() * 0.35), sky);
    // Rolling hills.
    p.setPen(QPen(QColor(25, 60, 35), 0.8));
    p.setBrush(QColor(70, 120, 70));
    QPainterPath hills;
    hills.moveTo(panel.left(), panel.top() + panel.height() * 0.42);
    for (int i = 0; i <= 6; ++i) {
        const double x = panel.left() + panel.width() * i / 6.0;
        hills.quadTo(x - panel.width() / 12, panel.top() + panel.height() * (0.28 + 0.05 * (i % 2)), x,
                     panel.top() + panel.height() * 0.4);
    }
    hills.lineTo(panel.right(), panel.bottom());
    hills.lineTo(panel.left(), panel.bottom());
    hills.closeSubpath();
    p.drawPath(hills);
    // A stylised tree on each side.
    for (int side : {0, 1}) {
        const double x = side == 0 ? panel.left() + panel.width() * 0.13 : panel.right() - panel.width() * 0.12;
        p.setPen(QPen(QColor(60, 35, 20), 2));
        p.drawLine(QPointF(x, panel.bottom() - 12), QPointF(x, panel.top() + 30));
        p.setPen(QPen(QColor(20, 50, 25), 0.8));
        p.setBrush(QColor(35, 110, 55));
        for (int k = 0; k < 5; ++k)
            p.drawEllipse(QPointF(x + (k % 2 ? 6 : -6) * (k < 4 ? 1 : 0), panel.top() + 14 + k * 5), 7, 5);
        p.setBrush(QColor(230, 90, 60));
        for (int k = 0; k < 6; ++k)
            p.drawEllipse(QPointF(x - 7 + (k * 5) % 14, panel.top() + 12 + (k * 7) % 20), 1.1, 1.1);
    }
    // The terrace the figure sits on.
    const double floorY = panel.bottom() - 9;
    p.setPen(QPen(QColor(90, 60, 30), 0.8));
    p.setBrush(QColor(236, 222, 190));
    p.drawRect(QRectF(w * 0.28, floorY - 2, w * 0.44, panel.bottom() - floorY + 2));
    p.setBrush(QColor(170, 40, 60));
    p.drawEllipse(QRectF(w * 0.33, floorY - 4.5, w * 0.34, 7));

    Pose pose = posture("meditation");
    Look look;
    look.flat = true;
    look.skin = QColor(214, 160, 112);
    look.top = QColor(232, 150, 40);
    look.bottom = QColor(232, 150, 40);
    look.legCover = 3;
    look.sleeves = 0;
    look.hairStyle = Hair::Bun;
    look.hair = QColor(25, 20, 30);
    look.eyesClosed = true;
    look.outline = QColor(60, 30, 15);
    look.outlineWidth = 0.9;
    const QTransform t = placeFigure(pose, QRectF(0, 0, w, h * 0.74), floorY, w / 2);
    // A golden halo behind the head.
    const QPointF head = t.map(buildSkeleton(pose).headCentre);
    const double scale = std::abs(t.m11());
    p.setPen(QPen(QColor(150, 100, 20), 0.8));
    QRadialGradient halo(head, 11 * scale);
    halo.setColorAt(0, QColor(255, 230, 120));
    halo.setColorAt(1, QColor(235, 180, 50));
    p.setBrush(halo);
    p.drawEllipse(head, 11 * scale, 11 * scale);
    p.setTransform(t);
    drawFigure(p, pose, look);
    p.resetTransform();
    // Lotus flowers in the foreground.
    for (int k = 0; k < 4; ++k) {
        const double x = w * (0.12 + 0.25 * k) + (k > 1 ? 10 : -10);
        p.setPen(QPen(QColor(120, 30, 60), 0.6));
        p.setBrush(QColor(240, 150, 170));
        for (int petal = -2; petal <= 2; ++petal) {
            p.save();
            p.translate(x, panel.bottom() - 3);
            p.rotate(petal * 25);
            p.drawEllipse(QRectF(-1.3, -5, 2.6, 5));
            p.restore();
        }
    }
    p.restore();
    return image;
}

} // namespace pictures
