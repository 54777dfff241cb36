#include "figure.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace pictures {

QPointF direction(double degrees)
{
    const double r = degrees * kPi / 180.0;
    return {std::sin(r), -std::cos(r)};
}

double angleOf(QPointF from, QPointF to)
{
    const QPointF d = to - from;
    return std::atan2(d.x(), -d.y()) * 180.0 / kPi;
}

namespace {

double length(QPointF v)
{
    return std::hypot(v.x(), v.y());
}

QPointF unit(QPointF v)
{
    const double l = length(v);
    return l > 1e-9 ? v / l : QPointF(0, -1);
}

QPointF lerp(QPointF a, QPointF b, double t)
{
    return a + (b - a) * t;
}

// A tapered limb: the hull of two circles, as a closed polygon.
QPainterPath capsule(QPointF a, double ra, QPointF b, double rb)
{
    QPainterPath path;
    const double d = length(b - a);
    if (d < std::abs(ra - rb) + 1e-6) {
        const QPointF c = ra >= rb ? a : b;
        const double r = std::max(ra, rb);
        path.addEllipse(c, r, r);
        return path;
    }
    const QPointF u = (b - a) / d;
    const double base = std::atan2(u.y(), u.x());
    const double phi = std::acos(std::clamp((ra - rb) / d, -1.0, 1.0));
    // Around b from +phi to -phi through the far side, then around a back.
    const int steps = 14;
    QPolygonF poly;
    for (int i = 0; i <= steps; ++i) {
        const double t = base + phi - 2 * phi * i / steps;
        poly << b + QPointF(std::cos(t), std::sin(t)) * rb;
    }
    const double phiA = kPi - phi;
    for (int i = 0; i <= steps; ++i) {
        const double t = base - phi - 2 * phiA * i / steps;
        poly << a + QPointF(std::cos(t), std::sin(t)) * ra;
    }
    path.addPolygon(poly);
    path.closeSubpath();
    return path;
}

struct Painter {
    QPainter &p;
    const Look &look;
    bool mirror;
    double unitPen;
    // Limbs are painted in two passes, outlines first and then the shaded
    // fills, so that a whole arm or leg has one outline and no seams at its joints.
    enum Pass { Both, OutlineOnly, FillOnly } pass = Both;

    QPointF light() const { return mirror ? QPointF(0.45, -0.89) : QPointF(-0.45, -0.89); }

    void fill(const QPainterPath &path, const QColor &base, QPointF a, QPointF b, double radius,
              double dim = 1.0)
    {
        QColor c = base;
        if (dim != 1.0)
            c = QColor::fromRgbF(c.redF() * dim, c.greenF() * dim, c.blueF() * dim);
        const QColor edge = look.flat ? look.outline : c.darker(175);
        const double edgeWidth = look.flat ? (look.outlineWidth > 0 ? look.outlineWidth : 0.9) : unitPen;
        const QPen edgePen(edge, edgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        if (pass == OutlineOnly) {
            p.setBrush(edge);
            p.setPen(edgePen);
            p.drawPath(path);
            return;
        }
        if (look.flat) {
            p.setBrush(c);
        } else {
            // Shaded across the segment, lit from the side that faces the light.
            const QPointF mid = (a + b) / 2;
            QPointF n = unit(b - a);
            n = QPointF(-n.y(), n.x());
            if (QPointF::dotProduct(n, light()) < 0)
                n = -n;
            QLinearGradient g(mid + n * radius, mid - n * radius);
            g.setColorAt(0.0, c.lighter(128));
            g.setColorAt(0.35, c.lighter(108));
            g.setColorAt(0.72, c);
            g.setColorAt(1.0, c.darker(150));
            p.setBrush(g);
        }
        if (pass == FillOnly)
            p.setPen(Qt::NoPen);
        else
            p.setPen(edgePen);
        p.drawPath(path);
    }

    void limb(QPointF a, double ra, QPointF b, double rb, const QColor &c, double dim = 1.0)
    {
        fill(capsule(a, ra, b, rb), c, a, b, std::max(ra, rb), dim);
    }
};

QPainterPath smoothClosed(const QList<QPointF> &pts)
{
    // Quadratic curves through the midpoints of a closed polygon.
    QPainterPath path;
    const int n = int(pts.size());
    path.moveTo((pts[n - 1] + pts[0]) / 2);
    for (int i = 0; i < n; ++i)
        path.quadTo(pts[i], (pts[i] + pts[(i + 1) % n]) / 2);
    path.closeSubpath();
    return path;
}

} // namespace

std::pair<double, double> reach(QPointF root, QPointF target, double upper, double lower, int bend)
{
    const double d = length(target - root);
    const double toward = angleOf(root, target);
    if (d >= upper + lower - 1e-6)
        return {toward, toward};
    const double dd = std::max(d, std::abs(upper - lower) + 1e-6);
    const double cosA = std::clamp((upper * upper + dd * dd - lower * lower) / (2 * upper * dd), -1.0, 1.0);
    const double a = std::acos(cosA) * 180.0 / kPi;
    const double first = toward + bend * a;
    const QPointF mid = root + direction(first) * upper;
    return {first, angleOf(mid, target)};
}

Skeleton buildSkeleton(const Pose &pose, const Body &body)
{
    Skeleton s;
    s.headRadius = body.headRadius;
    s.pelvis = QPointF(0, 0);
    const QPointF up = direction(pose.torso);
    s.neckBase = s.pelvis + up * body.torso * pose.torsoScale;
    s.headBase = s.neckBase + direction(pose.neck) * body.neck;
    s.headCentre = s.headBase + direction(pose.head) * body.headRadius;
    s.crown = s.headBase + direction(pose.head) * body.headRadius * 2;
    const bool front = pose.view == View::Front;
    const QPointF sideOf[2] = {direction(pose.torso - 90), direction(pose.torso + 90)};
    const QPointF shoulderCentre = s.neckBase - up * body.shoulderDrop;
    const double hipLine = pose.hips > 1e8 ? pose.torso : pose.hips;
    const QPointF hipSide[2] = {direction(hipLine - 90), direction(hipLine + 90)};
    for (int i = 0; i < 2; ++i) {
        s.shoulder[i] = front ? shoulderCentre + sideOf[i] * body.shoulderHalf : shoulderCentre;
        s.elbow[i] = s.shoulder[i] + direction(pose.upperArm[i]) * body.upperArm * pose.upperArmScale[i];
        s.wrist[i] = s.elbow[i] + direction(pose.forearm[i]) * body.forearm * pose.forearmScale[i];
        s.fingertip[i] = s.wrist[i] + direction(pose.hand[i]) * body.hand;
        s.hip[i] = front ? s.pelvis + hipSide[i] * body.hipHalf - up * 2.0 : s.pelvis;
        s.knee[i] = s.hip[i] + direction(pose.thigh[i]) * body.thigh * pose.thighScale[i];
        s.ankle[i] = s.knee[i] + direction(pose.shin[i]) * body.shin * pose.shinScale[i];
        const QPointF fd = direction(pose.foot[i]) * pose.footScale[i];
        // The sole lies on the side of the foot away from the knee.
        QPointF n(-fd.y(), fd.x());
        if (QPointF::dotProduct(n, s.knee[i] - s.ankle[i]) > 0)
            n = -n;
        n = unit(n) * (pose.footScale[i] < 0.6 ? 0.4 : 1.4);
        s.heel[i] = s.ankle[i] - fd * body.heel + n;
        s.toe[i] = s.ankle[i] + fd * (body.foot - body.heel) + n;
    }
    return s;
}

QRectF figureBounds(const Skeleton &s, const Body &b)
{
    QRectF r;
    auto add = [&](QPointF c, double rad) { r = r.united(QRectF(c.x() - rad, c.y() - rad, 2 * rad, 2 * rad)); };
    add(s.pelvis, b.pelvisR + 1);
    add(s.neckBase, b.chestR);
    add(s.headCentre, b.headRadius * 1.05);
    add(s.crown, 1.5);
    for (int i = 0; i < 2; ++i) {
        add(s.shoulder[i], b.upperArmR);
        add(s.elbow[i], b.elbowR);
        add(s.wrist[i], b.wristR);
        add(s.fingertip[i], 1.3);
        add(s.hip[i], b.thighR);
        add(s.knee[i], b.kneeR);
        add(s.ankle[i], b.ankleR);
        add(s.heel[i], 2.1);
        add(s.toe[i], 1.5);
    }
    // The torso bulges out between pelvis and chest.
    add(lerp(s.pelvis, s.neckBase, 0.7), b.chestR);
    return r;
}

double lowestY(const Skeleton &s, const Body &b)
{
    return figureBounds(s, b).bottom();
}

QTransform placeFigure(const Pose &pose, const QRectF &box, double floorY, double centreX, double maxScale,
                       const Body &body)
{
    const QRectF r = figureBounds(buildSkeleton(pose, body), body);
    const double s = std::min({box.width() / r.width(), box.height() / r.height(), maxScale});
    QTransform t;
    t.translate(centreX, floorY);
    t.scale(pose.mirror ? -s : s, s);
    t.translate(-r.center().x(), -r.bottom());
    return t;
}

void drawFloorShadow(QPainter &p, const Pose &pose, const QTransform &t, double floorY, const Body &body)
{
    const Skeleton s = buildSkeleton(pose, body);
    const double bottom = lowestY(s, body);
    double lo = 1e9, hi = -1e9;
    auto consider = [&](QPointF pt) {
        if (pt.y() > bottom - 9) {
            const double x = t.map(pt).x();
            lo = std::min(lo, x);
            hi = std::max(hi, x);
        }
    };
    consider(s.pelvis);
    consider(s.neckBase);
    consider(s.headCentre);
    consider(s.crown);
    for (int i = 0; i < 2; ++i) {
        for (QPointF pt : {s.elbow[i], s.wrist[i], s.fingertip[i], s.knee[i], s.ankle[i], s.heel[i], s.toe[i]})
            consider(pt);
    }
    if (lo > hi)
        return;
    const double scale = std::abs(t.m11());
    const double pad = 6 * scale;
    const QRectF area(lo - pad, floorY - 3 * scale, hi - lo + 2 * pad, 6 * scale);
    QRadialGradient g(area.center(), area.width() / 2);
    g.setColorAt(0, QColor(0, 0, 0, 90));
    g.setColorAt(0.7, QColor(0, 0, 0, 45));
    g.setColorAt(1, QColor(0, 0, 0, 0));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.translate(area.center());
    p.scale(1, area.height() / area.width());
    p.drawEllipse(QPointF(0, 0), area.width() / 2, area.width() / 2);
    p.restore();
}

namespace {

void drawHead(Painter &d, const Pose &pose, const Skeleton &s, const Body &body)
{
    QPainter &p = d.p;
    const Look &look = d.look;
    const double R = body.headRadius;
    const bool frontFace = pose.view == View::Front || pose.faceFront;
    const int f = pose.headFacing;
    p.save();
    p.translate(s.headCentre);
    p.rotate(pose.head);
    // In this frame the crown is towards -y and the face (side view) towards +x*f.
    const QColor skin = look.skin;
    auto fillShape = [&](const QPainterPath &path, const QColor &c) {
        d.fill(path, c, QPointF(0, -R), QPointF(0, R), R);
    };
    QPainterPath skull;
    if (frontFace) {
        skull.addEllipse(QPointF(0, 0), 0.8 * R, R);
    } else {
        skull.addEllipse(QPointF(-f * 0.05 * R, -0.08 * R), 0.9 * R, 0.92 * R);
        QPainterPath jaw;
        jaw.addEllipse(QPointF(f * 0.32 * R, 0.36 * R), 0.62 * R, 0.6 * R);
        skull = skull.united(jaw);
        QPainterPath nose;
        nose.moveTo(f * 0.78 * R, -0.15 * R);
        nose.lineTo(f * 1.08 * R, 0.2 * R);
        nose.lineTo(f * 0.85 * R, 0.3 * R);
        nose.closeSubpath();
        skull = skull.united(nose);
    }
    // Long hair falls behind the head before the face is drawn.
    if (look.hairStyle == Hair::Long) {
        QPainterPath hair;
        if (frontFace) {
            hair.addRoundedRect(QRectF(-0.98 * R, -0.7 * R, 1.96 * R, 2.2 * R), 0.6 * R, 0.6 * R);
        } else {
            hair = capsule(QPointF(-f * 0.45 * R, -0.3 * R), 0.75 * R, QPointF(-f * 0.7 * R, 1.3 * R), 0.55 * R);
        }
        fillShape(hair, look.hair);
    }
    if (look.hairStyle == Hair::Bun) {
        QPainterPath bun;
        const QPointF at = frontFace ? QPointF(0, -1.02 * R) : QPointF(-f * 0.78 * R, -0.62 * R);
        bun.addEllipse(at, 0.38 * R, 0.38 * R);
        fillShape(bun, look.hair);
    }
    fillShape(skull, skin);

    p.setBrush(Qt::NoBrush);
    const QColor feature = look.flat ? look.outline : skin.darker(260);
    if (frontFace) {
        // Ears, eyes, brows, nose and mouth.
        p.setPen(Qt::NoPen);
        p.setBrush(skin.darker(112));
        p.drawEllipse(QPointF(-0.8 * R, 0.05 * R), 0.16 * R, 0.25 * R);
        p.drawEllipse(QPointF(0.8 * R, 0.05 * R), 0.16 * R, 0.25 * R);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(feature, 0.055 * R * 2, Qt::SolidLine, Qt::RoundCap));
        for (int side : {-1, 1}) {
            const QPointF eye(side * 0.33 * R, -0.02 * R);
            if (look.eyesClosed) {
                p.drawArc(QRectF(eye.x() - 0.16 * R, eye.y() - 0.1 * R, 0.32 * R, 0.2 * R), 200 * 16, 140 * 16);
            } else {
                p.setBrush(QColor(250, 250, 245));
                p.setPen(Qt::NoPen);
                p.drawEllipse(eye, 0.15 * R, 0.08 * R);
                p.setBrush(QColor(40, 28, 20));
                p.drawEllipse(eye, 0.07 * R, 0.07 * R);
                p.setBrush(Qt::NoBrush);
                p.setPen(QPen(feature, 0.11 * R, Qt::SolidLine, Qt::RoundCap));
            }
            p.drawLine(eye + QPointF(-0.17 * R * side, -0.2 * R), eye + QPointF(0.15 * R * side, -0.24 * R));
        }
        p.setPen(QPen(skin.darker(150), 0.08 * R, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0.02 * R, 0.05 * R), QPointF(0.06 * R, 0.3 * R));
        p.setPen(QPen(look.female ? QColor(170, 70, 70) : skin.darker(190), 0.09 * R, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(-0.2 * R, 0.38 * R, 0.4 * R, 0.18 * R), 200 * 16, 140 * 16);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(skin.darker(115));
        p.drawEllipse(QPointF(-f * 0.12 * R, 0.05 * R), 0.17 * R, 0.26 * R);
        p.setPen(QPen(feature, 0.11 * R, Qt::SolidLine, Qt::RoundCap));
        const QPointF eye(f * 0.58 * R, -0.08 * R);
        if (look.eyesClosed)
            p.drawLine(eye, eye + QPointF(f * 0.2 * R, 0.03 * R));
        else {
            p.setBrush(QColor(40, 28, 20));
            p.drawEllipse(eye + QPointF(f * 0.08 * R, 0), 0.07 * R, 0.07 * R);
        }
        p.drawLine(eye + QPointF(-f * 0.05 * R, -0.2 * R), eye + QPointF(f * 0.25 * R, -0.22 * R));
        p.setPen(QPen(look.female ? QColor(170, 70, 70) : skin.darker(180), 0.08 * R, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(f * 0.7 * R, 0.55 * R), QPointF(f * 0.88 * R, 0.52 * R));
    }

    // Hair on top of the skull.
    if (look.hairStyle != Hair::Bald) {
        QPainterPath cap;
        if (frontFace) {
            QPainterPath top;
            top.addEllipse(QPointF(0, -0.12 * R), 0.86 * R, 0.95 * R);
            QPainterPath face;
            face.addEllipse(QPointF(0, 0.32 * R), 0.82 * R, 0.9 * R);
            cap = top.subtracted(face);
        } else {
            QPainterPath top;
            top.addEllipse(QPointF(-f * 0.1 * R, -0.14 * R), 0.96 * R, 0.92 * R);
            QPainterPath face;
            face.addEllipse(QPointF(f * 0.36 * R, 0.22 * R), 0.84 * R, 0.94 * R);
            cap = top.subtracted(face);
        }
        if (look.hairStyle == Hair::Turban) {
            QPainterPath turban;
            turban.addEllipse(QPointF(frontFace ? 0 : -f * 0.1 * R, -0.45 * R), 1.0 * R, 0.72 * R);
            fillShape(turban, look.hair);
        } else if (look.hairStyle == Hair::Curly) {
            QPainterPath curls = cap;
            for (int i = 0; i < 7; ++i) {
                const double a = -kPi * (0.15 + 0.7 * i / 6.0);
                curls.addEllipse(QPointF(std::cos(a) * 0.9 * R, std::sin(a) * 0.88 * R - 0.1 * R), 0.28 * R, 0.28 * R);
            }
            fillShape(curls.simplified(), look.hair);
        } else {
            fillShape(cap, look.hair);
        }
    } else {
        // A fringe of hair around the back of a bald head.
        QPainterPath fringe;
        if (frontFace) {
            fringe.addEllipse(QPointF(-0.78 * R, -0.1 * R), 0.14 * R, 0.3 * R);
            fringe.addEllipse(QPointF(0.78 * R, -0.1 * R), 0.14 * R, 0.3 * R);
        } else {
            fringe.addEllipse(QPointF(-f * 0.62 * R, 0.0), 0.3 * R, 0.42 * R);
        }
        fillShape(fringe, look.hair);
    }
    if (look.beard) {
        QPainterPath beard;
        if (frontFace) {
            beard.moveTo(-0.78 * R, 0.05 * R);
            beard.quadTo(-0.8 * R, 1.4 * R, 0, 1.75 * R);
            beard.quadTo(0.8 * R, 1.4 * R, 0.78 * R, 0.05 * R);
            beard.quadTo(0.5 * R, 0.65 * R, 0.3 * R, 0.35 * R);
            beard.quadTo(0, 0.3 * R, -0.3 * R, 0.35 * R);
            beard.quadTo(-0.5 * R, 0.65 * R, -0.78 * R, 0.05 * R);
        } else {
            beard.moveTo(-f * 0.1 * R, 0.1 * R);
            beard.quadTo(f * 0.1 * R, 1.5 * R, f * 0.55 * R, 1.5 * R);
            beard.quadTo(f * 0.95 * R, 1.1 * R, f * 0.85 * R, 0.45 * R);
            beard.quadTo(f * 0.5 * R, 0.5 * R, -f * 0.1 * R, 0.1 * R);
        }
        fillShape(beard, look.hair);
    }
    p.restore();
}

void drawTorso(Painter &d, const Pose &pose, const Skeleton &s, const Body &b)
{
    QPainter &p = d.p;
    const Look &look = d.look;
    const QPointF up = unit(s.neckBase - s.pelvis);
    const QPointF right(-up.y(), up.x()); // figure's right in a front view
    const double L = length(s.neckBase - s.pelvis);
    auto at = [&](double t, double w) { return s.pelvis + up * t + right * w; };

    QPainterPath body;
    if (pose.view == View::Front) {
        const double sh = b.shoulderHalf;
        const double waist = look.female ? 5.6 : 6.6;
        const double hips = look.female ? b.hipHalf + 4.4 : b.hipHalf + 3.2;
        QList<QPointF> pts;
        // Sloping shoulders: neck, trapezius, the round of the shoulder, armpit.
        pts << at(L + 0.6, -3.0) << at(L - 0.6, -6.5) << at(L - 1.4, -sh + 0.2) << at(L - 3.2, -sh - 2.2)
            << at(L - 9, -sh + 0.2) << at(0.48 * L, -waist) << at(0.1 * L, -hips) << at(-3.5, -hips + 0.6)
            << at(-6.5, -1.0) << at(-6.5, 1.0) << at(-3.5, hips - 0.6) << at(0.1 * L, hips)
            << at(0.48 * L, waist) << at(L - 9, sh - 0.2) << at(L - 3.2, sh + 2.2) << at(L - 1.4, sh - 0.2)
            << at(L - 0.6, 6.5) << at(L + 0.6, 3.0);
        body = smoothClosed(pts);
    } else {
        // Side view: the chest is on the front side, the seat on the back.
        const QPointF front = unit(direction(pose.torso + 90 * pose.headFacing));
        auto sp = [&](double t, double w) { return s.pelvis + up * t + front * w; };
        QList<QPointF> pts;
        const double chest = look.female ? 7.4 : 6.8;
        pts << sp(L + 1.0, 2.8) << sp(0.78 * L, chest) << sp(0.5 * L, 5.2) << sp(0.2 * L, 5.6) << sp(-2.5, 5.0)
            << sp(-6.5, 0.5) << sp(-4.5, -5.5) << sp(0.15 * L, -6.8) << sp(0.5 * L, -5.0) << sp(0.8 * L, -6.0)
            << sp(L + 0.5, -3.8);
        body = smoothClosed(pts);
    }
    const QColor upper = look.bareChest ? look.skin : look.top;
    d.fill(body, upper, at(0.5 * L, -8), at(0.5 * L, 8), 9);

    // The lower garment covers the hips.
    p.save();
    p.setClipPath(body);
    QPainterPath lower;
    QPolygonF band;
    band << at(0.27 * L, -30) << at(0.27 * L, 30) << at(-30, 30) << at(-30, -30);
    lower.addPolygon(band);
    d.fill(lower.intersected(body), look.bottom, at(0, -8), at(0, 8), 9);
    if (pose.nauli && look.bareChest) {
        // The isolated central abdominal muscle with hollows on either side.
        p.setPen(Qt::NoPen);
        for (int side : {-1, 1}) {
            QRadialGradient hollow(at(0.43 * L, side * 3.2), 3.6);
            hollow.setColorAt(0, look.skin.darker(165));
            hollow.setColorAt(1, QColor(0, 0, 0, 0));
            p.setBrush(hollow);
            p.drawEllipse(at(0.43 * L, side * 3.2), 3.0, 5.5);
        }
        d.limb(at(0.28 * L, 0), 2.3, at(0.56 * L, 0), 2.8, look.skin.lighter(106));
        // The ribs stand out above the drawn-in belly.
        p.setPen(QPen(look.skin.darker(140), 0.5));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(at(0.68 * L, 0).x() - 6, at(0.68 * L, 0).y() - 2.5, 12, 5), 0, 180 * 16);
    }
    if (look.female && !look.flat && pose.view == View::Front && !look.bareChest) {
        p.setPen(QPen(look.top.darker(140), 0.5));
        p.setBrush(Qt::NoBrush);
        for (int side : {-1, 1}) {
            const QPointF c = at(0.74 * L, side * 3.8);
            p.drawArc(QRectF(c.x() - 3, c.y() - 2.5, 6, 5), 200 * 16, 140 * 16);
        }
    }
    p.restore();
}

} // namespace

void drawPlacedFigure(QPainter &p, const Pose &pose, const Look &look, const QTransform &t, const Body &body)
{
    // On top of the painter's own transform, which scales high-density variants.
    p.save();
    p.setTransform(t, true);
    drawFigure(p, pose, look, body);
    p.restore();
}

void drawFigure(QPainter &p, const Pose &pose, const Look &look, const Body &b)
{
    const Skeleton s = buildSkeleton(pose, b);
    Painter d{p, look, pose.mirror, 0.35};
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const bool side = pose.view == View::Side;
    auto dimFor = [&](int i) { return side && i == 0 && !look.flat ? 0.86 : 1.0; };

    auto armColour = [&](int part) {
        if (look.sleeves == 2 || (look.sleeves == 1 && part == 0))
            return look.top;
        return look.skin;
    };
    auto drawArm = [&](int i, int which) {
        const double dim = dimFor(i);
        if (which == 0) {
            if (look.sleeves == 1) {
                d.limb(s.shoulder[i], b.upperArmR, s.elbow[i], b.elbowR, look.skin, dim);
                d.limb(s.shoulder[i], b.upperArmR + 0.4, lerp(s.shoulder[i], s.elbow[i], 0.5), b.upperArmR, look.top, dim);
            } else {
                d.limb(s.shoulder[i], b.upperArmR, s.elbow[i], b.elbowR, armColour(0), dim);
            }
        } else if (which == 1) {
            d.limb(s.elbow[i], b.elbowR, s.wrist[i], b.wristR, armColour(1), dim);
        } else {
            d.limb(s.wrist[i], b.wristR, s.fingertip[i], 1.15, look.skin, dim);
        }
    };
    auto legColour = [&](int part) { return look.legCover >= (part == 0 ? 2 : 3) ? look.bottom : look.skin; };
    auto drawLeg = [&](int i, int which) {
        const double dim = dimFor(i);
        if (which == 0) {
            d.limb(s.hip[i], b.thighR, s.knee[i], b.kneeR, legColour(0), dim);
            if (look.legCover == 1)
                d.limb(s.hip[i], b.thighR + 0.3, lerp(s.hip[i], s.knee[i], 0.42), b.thighR * 0.92, look.bottom, dim);
        } else if (which == 1) {
            d.limb(s.knee[i], b.kneeR, s.ankle[i], b.ankleR, legColour(1), dim);
        } else {
            QColor c = look.shoes.isValid() ? look.shoes : look.skin;
            if (pose.soleUp && !look.shoes.isValid())
                c = look.skin.lighter(112);
            d.limb(s.ankle[i], b.ankleR, s.heel[i], 2.1, c, dim);
            d.limb(s.heel[i], 2.1, s.toe[i], pose.footScale[i] < 0.6 ? 2.0 : 1.5, c, dim);
        }
    };

    auto twoPass = [&](const auto &paint) {
        d.pass = Painter::OutlineOnly;
        paint();
        d.pass = Painter::FillOnly;
        paint();
        d.pass = Painter::Both;
    };

    std::vector<int> order = pose.order;
    if (order.empty()) {
        if (side)
            order = {PArm0, PLeg0, PNeck, PTorso, PHead, PLeg1, PArm1};
        else
            order = {PLeg0, PLeg1, PNeck, PTorso, PHead, PArm0, PArm1};
    }
    for (int part : order) {
        switch (part) {
        case PTorso: drawTorso(d, pose, s, b); break;
        case PNeck: d.limb(s.neckBase, b.neckR + 0.6, s.headBase + direction(pose.head) * 1.5, b.neckR, look.skin); break;
        case PHead: drawHead(d, pose, s, b); break;
        case PUpperArm0: drawArm(0, 0); break;
        case PForearm0: drawArm(0, 1); break;
        case PHand0: drawArm(0, 2); break;
        case PUpperArm1: drawArm(1, 0); break;
        case PForearm1: drawArm(1, 1); break;
        case PHand1: drawArm(1, 2); break;
        case PThigh0: drawLeg(0, 0); break;
        case PShin0: drawLeg(0, 1); break;
        case PFoot0: drawLeg(0, 2); break;
        case PThigh1: drawLeg(1, 0); break;
        case PShin1: drawLeg(1, 1); break;
        case PFoot1: drawLeg(1, 2); break;
        case PArm0: twoPass([&] { drawArm(0, 0); drawArm(0, 1); drawArm(0, 2); }); break;
        case PArm1: twoPass([&] { drawArm(1, 0); drawArm(1, 1); drawArm(1, 2); }); break;
        case PLeg0: twoPass([&] { drawLeg(0, 0); drawLeg(0, 1); drawLeg(0, 2); }); break;
        case PLeg1: twoPass([&] { drawLeg(1, 0); drawLeg(1, 1); drawLeg(1, 2); }); break;
        default: break;
        }
    }
    p.restore();
}

} // namespace pictures
