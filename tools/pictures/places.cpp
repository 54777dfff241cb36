// Photographs of places: the river steps at sunrise, the lake below the
// mountains, the temples in the hills and the headstand on the jetty.
#include "scenes.h"

#include "painting.h"
#include "poses.h"
#include "scenery.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace pictures {

namespace {

// Text with a dark shadow under it, so that it reads on any part of a photograph.
void caption(QPainter &p, QRectF r, const QString &text, const QFont &font, QColor colour, int flags)
{
    p.setFont(font);
    p.setPen(QColor(0, 0, 0, 170));
    p.drawText(r.translated(1, 1), flags, text);
    p.setPen(colour);
    p.drawText(r, flags, text);
}

} // namespace

QImage riversideRitual(QSize size)
{
    return photographed(size, Qt::white, [&](QPainter &p, double w, double h) {
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
        drawPlacedFigure(p, pose, look, t);
        const QPointF v = t.map(buildSkeleton(pose).fingertip[1]);
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
    });
}

QImage lakeMountains(QSize size)
{
    return photographed(size, Qt::white, [&](QPainter &p, double w, double h) {
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
    });
}

QImage templeHills(QSize size, int variant)
{
    return photographed(size, Qt::white, [&](QPainter &p, double w, double h) {
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
    });
}

QImage jettyHeadstand(QSize size)
{
    return photographed(size, Qt::white, [&](QPainter &p, double w, double h) {
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
        drawPlacedFigure(p, pose, look, t);
        // The caption printed into the photograph.
        const QFont font = pictureFont("Liberation Sans", h * 0.036, true);
        caption(p, QRectF(0, h * 0.86, w, h * 0.05), "Sirsasana - Loosdrechtse Plassen", font, QColor(255, 250, 220), Qt::AlignCenter);
        caption(p, QRectF(0, h * 0.91, w, h * 0.05), "Summer 1997", font, QColor(255, 250, 220), Qt::AlignCenter);
    });
}

} // namespace pictures
