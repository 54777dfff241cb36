// The people of the featured centre pages: head-and-shoulders portraits and
// teachers seated on a mat.
#include "scenes.h"

#include "painting.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace pictures {

QImage portrait(QSize size, const PortraitSpec &spec)
{
    return photographed(size, spec.background, [&](QPainter &p, double w, double h) {
        QRadialGradient bg(QPointF(w * 0.4, h * 0.35), std::max(w, h) * 0.8);
        bg.setColorAt(0, spec.background.lighter(125));
        bg.setColorAt(1, spec.background2.isValid() ? spec.background2 : spec.background.darker(140));
        p.fillRect(QRect(QPoint(0, 0), size), bg);
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
    });
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
    return posturePicture(size, lotus ? "padmasanaknees" : "siddhasana", look, s);
}

} // namespace pictures
