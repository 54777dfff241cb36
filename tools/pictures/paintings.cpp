// Pictures painted or drawn rather than photographed: the miniature, the
// devotional painting and the cartoon.
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

// A disc behind the head of a figure placed by `t`, shading from `inner` at
// its centre to `outer` at its rim.
void drawHalo(QPainter &p, const Pose &pose, const QTransform &t, QColor inner, QColor outer, const QPen &rim)
{
    const QPointF head = t.map(buildSkeleton(pose).headCentre);
    const double radius = 11 * std::abs(t.m11());
    QRadialGradient halo(head, radius);
    halo.setColorAt(0, inner);
    halo.setColorAt(1, outer);
    p.setPen(rim);
    p.setBrush(halo);
    p.drawEllipse(head, radius, radius);
}

} // namespace

QImage miniatureMeditation(QSize size, qreal density)
{
    return painted(size, QColor(120, 20, 20), [&](QPainter &p, double w, double h) {
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
        drawHalo(p, pose, t, QColor(255, 230, 120), QColor(235, 180, 50), QPen(QColor(150, 100, 20), 0.8));
        drawPlacedFigure(p, pose, look, t);
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
    }, density);
}

QImage devotionalPainting(QSize size, qreal density)
{
    return painted(size, QColor(110, 20, 25), [&](QPainter &p, double w, double h) {
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
        drawHalo(p, pose, t, QColor(255, 250, 200), QColor(250, 200, 60), QPen(QColor(200, 120, 20), 1));
        const Skeleton s = buildSkeleton(pose);
        const double scale = std::abs(t.m11());
        drawPlacedFigure(p, pose, look, t);
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
    }, density);
}

QImage businessmanTree(QSize size)
{
    return painted(size, QColor(200, 230, 250), [&](QPainter &p, double w, double h) {
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
        drawPlacedFigure(p, pose, look, t);
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
    });
}

} // namespace pictures
