#include "poses.h"

#include <cmath>
#include <functional>

namespace pictures {

namespace {

const Body kBody;

// Finds x in [lo, hi] where f changes sign; the poses use it to let a limb
// reach the floor exactly instead of guessing angles to the degree.
double bisect(const std::function<double(double)> &f, double lo, double hi)
{
    double flo = f(lo);
    const double fhi = f(hi);
    if ((flo < 0) == (fhi < 0))
        return std::abs(flo) < std::abs(fhi) ? lo : hi; // no crossing: the nearer end
    for (int i = 0; i < 60; ++i) {
        const double mid = (lo + hi) / 2;
        const double fm = f(mid);
        if ((fm < 0) == (flo < 0)) {
            lo = mid;
            flo = fm;
        } else {
            hi = mid;
        }
    }
    return (lo + hi) / 2;
}

Skeleton sk(const Pose &p)
{
    return buildSkeleton(p, kBody);
}

// Sets both arm segments so that the wrist lands on `target`; `elbowUp`
// chooses the solution whose elbow is higher in the picture.
void armTo(Pose &p, int i, QPointF target, bool elbowUp)
{
    const Skeleton s = sk(p);
    const double u = kBody.upperArm * p.upperArmScale[i], l = kBody.forearm * p.forearmScale[i];
    auto a = reach(s.shoulder[i], target, u, l, 1);
    auto b = reach(s.shoulder[i], target, u, l, -1);
    const double ya = (s.shoulder[i] + direction(a.first) * u).y();
    const double yb = (s.shoulder[i] + direction(b.first) * u).y();
    const auto pick = (ya < yb) == elbowUp ? a : b;
    p.upperArm[i] = pick.first;
    p.forearm[i] = pick.second;
}

// As armTo, choosing the solution whose elbow lies furthest towards `prefer`.
void armToward(Pose &p, int i, QPointF target, QPointF prefer)
{
    const Skeleton s = sk(p);
    const double u = kBody.upperArm * p.upperArmScale[i], l = kBody.forearm * p.forearmScale[i];
    auto a = reach(s.shoulder[i], target, u, l, 1);
    auto b = reach(s.shoulder[i], target, u, l, -1);
    const double da = QPointF::dotProduct(direction(a.first), prefer);
    const double db = QPointF::dotProduct(direction(b.first), prefer);
    const auto pick = da >= db ? a : b;
    p.upperArm[i] = pick.first;
    p.forearm[i] = pick.second;
}

void armOut(Pose &p, int i, QPointF target, int outward)
{
    // Elbow pointing away from the body's midline (front views).
    const Skeleton s = sk(p);
    const double u = kBody.upperArm * p.upperArmScale[i], l = kBody.forearm * p.forearmScale[i];
    auto a = reach(s.shoulder[i], target, u, l, 1);
    auto b = reach(s.shoulder[i], target, u, l, -1);
    const double xa = (s.shoulder[i] + direction(a.first) * u).x();
    const double xb = (s.shoulder[i] + direction(b.first) * u).x();
    const auto pick = ((xa - xb) * outward > 0) ? a : b;
    p.upperArm[i] = pick.first;
    p.forearm[i] = pick.second;
}

void shinTo(Pose &p, int i, QPointF target)
{
    const Skeleton s = sk(p);
    p.shin[i] = angleOf(s.knee[i], target);
    p.shinScale[i] = std::hypot(target.x() - s.knee[i].x(), target.y() - s.knee[i].y()) / kBody.shin;
}

void both(std::array<double, 2> &a, double v)
{
    a = {v, v};
}

Pose upright()
{
    Pose p;
    p.torso = 0;
    p.neck = 0;
    p.head = 0;
    both(p.upperArm, 182);
    both(p.forearm, 178);
    both(p.hand, 178);
    both(p.thigh, 180);
    both(p.shin, 180);
    both(p.foot, 90);
    return p;
}

// The plough family: lying on the shoulders, the hips above them.
Pose plough(bool armsToFeet)
{
    Pose p;
    p.torso = 172;
    p.neck = -88;
    p.head = -90;
    both(p.upperArm, 98);
    both(p.forearm, 92);
    both(p.hand, 90);
    // The floor is where the back and head lie; the legs are raised out of the way first.
    Pose raised = p;
    both(raised.thigh, 0);
    both(raised.shin, 0);
    const double floorY = lowestY(sk(raised));
    auto legsAt = [&](double a) {
        Pose q = p;
        both(q.thigh, a);
        both(q.shin, a);
        both(q.foot, a - 92);
        return q;
    };
    const double a = bisect([&](double a) { return sk(legsAt(a)).toe[0].y() + 1.5 - floorY; }, 192, 262);
    p = legsAt(a);
    if (armsToFeet) {
        const Skeleton s = sk(p);
        for (int i = 0; i < 2; ++i) {
            armTo(p, i, s.ankle[i] + QPointF(3, -1), false);
            p.hand[i] = p.forearm[i];
        }
    }
    return p;
}

Pose karnapidasana()
{
    Pose p;
    p.torso = 134;
    p.neck = -85;
    p.head = -90;
    both(p.upperArm, 97);
    both(p.forearm, 90);
    both(p.hand, 90);
    both(p.shin, 268);
    both(p.foot, 272);
    Pose raised = p;
    both(raised.thigh, 0);
    both(raised.shin, 0);
    const double floorY = lowestY(sk(raised));
    const double a = bisect([&](double a) {
        Pose q = p;
        both(q.thigh, a);
        return sk(q).knee[0].y() + kBody.kneeR - floorY;
    }, 120, 182);
    both(p.thigh, a);
    return p;
}

// Headstands: the crown and the forearms on the floor.
Pose headstandBase(double torso)
{
    Pose p;
    p.torso = torso;
    p.neck = 180;
    p.head = 180;
    p.headFacing = 1;
    // Upper arms slope forward to the elbows; drawn a little long so that the
    // forearms lie flat with the crown on the floor.
    both(p.upperArmScale, 1.22);
    const Skeleton s0 = sk(p);
    const double floorY = s0.crown.y() + 1.5; // the crown's own roundness
    // Upper arms down to the floor in front of the face, forearms back to the head.
    const double a = bisect([&](double a) {
        Pose q = p;
        both(q.upperArm, a);
        return sk(q).elbow[0].y() + kBody.elbowR - floorY;
    }, 250, 180);
    both(p.upperArm, a);
    const Skeleton s = sk(p);
    for (int i = 0; i < 2; ++i) {
        p.forearm[i] = angleOf(s.elbow[i], QPointF(s.headCentre.x() + 3, floorY - kBody.wristR));
        p.hand[i] = 20;
    }
    return p;
}

Pose sirsasana()
{
    Pose p = headstandBase(182);
    both(p.thigh, 1);
    both(p.shin, 0);
    both(p.foot, 8);
    return p;
}

Pose urdhvaDandasana()
{
    Pose p = headstandBase(191);
    both(p.thigh, -90);
    both(p.shin, -90);
    both(p.foot, -75);
    return p;
}

Pose padmaSirsasana()
{
    // Front view so that the crossed legs read as a lotus.
    Pose p;
    p.view = View::Front;
    p.torso = 180;
    p.neck = 180;
    p.head = 180;
    p.thigh = {30, -30};
    p.thighScale = {0.95, 0.95};
    const Skeleton s = sk(p);
    const double floorY = s.crown.y();
    for (int i = 0; i < 2; ++i) {
        const int side = s.shoulder[i].x() > 0 ? 1 : -1;
        p.upperArm[i] = 180 - side * 28;
        p.upperArmScale[i] = 1.0;
        const Skeleton t = sk(p);
        const QPointF target(s.headCentre.x() + side * 4.5, floorY - 1.6);
        p.forearm[i] = angleOf(t.elbow[i], target);
        p.forearmScale[i] = std::hypot(target.x() - t.elbow[i].x(), target.y() - t.elbow[i].y()) / kBody.forearm;
        p.hand[i] = side > 0 ? -80 : 80;
    }
    const Skeleton t = sk(p);
    for (int i = 0; i < 2; ++i) {
        const int o = 1 - i;
        shinTo(p, i, t.hip[o] + (t.knee[o] - t.hip[o]) * 0.4 + QPointF(0, -2));
        p.foot[i] = p.shin[i] + (i == 0 ? -40 : 40);
        p.footScale[i] = 0.7;
    }
    p.order = {PHand0, PHand1, PNeck, PHead, PTorso, PUpperArm0, PForearm0, PUpperArm1, PForearm1,
               PThigh0, PThigh1, PShin0, PFoot0, PShin1, PFoot1};
    return p;
}

Pose sarvangasana()
{
    Pose p;
    p.torso = 179;
    p.neck = -88;
    p.head = -90;
    both(p.thigh, 0);
    both(p.shin, 0);
    both(p.foot, 6);
    both(p.upperArm, 96);
    const Skeleton s = sk(p);
    const QPointF back = s.pelvis + (s.neckBase - s.pelvis) * 0.45 + QPointF(kBody.chestR - 0.5, 0);
    for (int i = 0; i < 2; ++i) {
        const Skeleton t = sk(p);
        p.forearm[i] = angleOf(t.elbow[i], back);
        p.forearmScale[i] = std::min(1.2, std::hypot(back.x() - t.elbow[i].x(), back.y() - t.elbow[i].y()) / kBody.forearm);
        p.hand[i] = p.forearm[i] - 25;
    }
    return p;
}

// Seated poses seen from the front: the lotus family.
Pose seatedFront(bool lotus, bool handsInLap)
{
    Pose p;
    p.view = View::Front;
    p.torso = 0;
    p.neck = 0;
    p.head = 0;
    p.thigh = {lotus ? -101.0 : -104.0, lotus ? 101.0 : 104.0};
    p.thighScale = {0.8, 0.8};
    Skeleton s = sk(p);
    for (int i = 0; i < 2; ++i) {
        const int o = 1 - i;
        const double side = s.hip[i].x() < 0 ? -1 : 1;
        if (lotus) {
            // Each foot rests on the opposite thigh, near the hip crease.
            shinTo(p, i, s.hip[o] + (s.knee[o] - s.hip[o]) * 0.42 + QPointF(0, -7.5));
            p.foot[i] = side < 0 ? 40 : -40;
            p.footScale[i] = 1.0;
            p.soleUp = true;
        } else {
            // Heels one in front of the other at the middle.
            shinTo(p, i, QPointF(-side * 1.5, s.hip[i].y() + (i == 0 ? 3.0 : 5.5)));
            p.foot[i] = side < 0 ? 75 : -75;
            p.footScale[i] = 0.55;
        }
    }
    s = sk(p);
    for (int i = 0; i < 2; ++i) {
        const int side = s.shoulder[i].x() < 0 ? -1 : 1;
        if (handsInLap) {
            armOut(p, i, QPointF(side * 2.5, s.pelvis.y() - 1.5), side);
            p.hand[i] = side < 0 ? 95 : -95;
        } else {
            armOut(p, i, s.knee[i] + QPointF(-side * 2.0, -3.0), side);
            p.hand[i] = p.forearm[i] + side * 25;
        }
    }
    if (lotus)
        p.order = {PNeck, PTorso, PHead, PThigh0, PThigh1, PShin1, PShin0, PFoot1, PFoot0, PArm0, PArm1};
    else
        p.order = {PNeck, PTorso, PHead, PThigh0, PThigh1, PShin0, PFoot0, PShin1, PFoot1, PArm0, PArm1};
    return p;
}

Pose forwardFold(bool bentKnee)
{
    Pose p;
    p.torso = 77;
    p.neck = 98;
    p.head = 114;
    both(p.thigh, 90);
    both(p.shin, 90);
    both(p.foot, 2);
    if (bentKnee) {
        // The near leg folds out to the side, knee on the floor, its sole
        // against the inner thigh of the straight leg.
        p.thigh[1] = 96;
        p.thighScale[1] = 0.72;
        p.shin[1] = 266;
        p.shinScale[1] = 0.66;
        p.foot[1] = 262;
        p.footScale[1] = 0.55;
        p.torso = 78;
    }
    const Skeleton s = sk(p);
    for (int i = 0; i < 2; ++i) {
        // Hands clasped round the sole, elbows dropping beside the shin.
        armToward(p, i, s.toe[0] + QPointF(11.0, 7.0), QPointF(0.3, 1));
        p.hand[i] = p.forearm[i] + 70;
    }
    return p;
}

Pose downwardDog()
{
    auto make = [](double t) {
        Pose p;
        p.torso = t;
        p.neck = t + 12;
        p.head = t + 22;
        both(p.upperArm, t + 4);
        both(p.forearm, t + 4);
        both(p.hand, 90);
        both(p.thigh, 211);
        both(p.shin, 211);
        both(p.foot, 80);
        return p;
    };
    const double t = bisect([&](double t) {
        const Skeleton s = sk(make(t));
        return s.wrist[0].y() + kBody.wristR - (s.heel[0].y() + 2.1);
    }, 95, 160);
    return make(t);
}

Pose bakasana()
{
    // Hips high, knees tucked against the backs of the upper arms, feet lifted.
    Pose p;
    p.torso = 104;
    p.neck = 92;
    p.head = 62;
    both(p.upperArm, 184);
    both(p.forearm, 176);
    both(p.hand, 92);
    const Skeleton s = sk(p);
    const QPointF knee = s.shoulder[0] + QPointF(-3.5, 8.5);
    both(p.thigh, angleOf(s.hip[0], knee));
    both(p.thighScale, std::min(1.08, std::hypot(knee.x(), knee.y()) / kBody.thigh));
    both(p.shin, 298);
    both(p.foot, 300);
    p.order = {PArm0, PLeg0, PNeck, PTorso, PHead, PArm1, PLeg1};
    return p;
}

Pose dhanurasana()
{
    Pose p;
    p.torso = 64;
    p.neck = 40;
    p.head = 8;
    both(p.thigh, -60);
    both(p.shin, 48);
    both(p.foot, -15);
    const Skeleton s = sk(p);
    for (int i = 0; i < 2; ++i) {
        armTo(p, i, s.ankle[i] + QPointF(1, 1.5), true);
        p.hand[i] = p.forearm[i] + 10;
    }
    return p;
}

Pose uttanasana()
{
    Pose p;
    p.torso = 150;
    p.neck = 165;
    p.head = 176;
    p.thigh = {175, 175};
    p.shin = {180, 180};
    both(p.foot, 90);
    const Skeleton s = sk(p);
    const double floorY = s.heel[0].y() + 2.1;
    for (int i = 0; i < 2; ++i) {
        // Palms flat on the floor in front of the toes, elbows slightly bent back.
        armToward(p, i, QPointF(s.toe[i].x() + 3, floorY - kBody.wristR), QPointF(-1, 0.3));
        p.hand[i] = 92;
    }
    return p;
}

Pose marichyasana()
{
    Pose p;
    p.torso = 2;
    p.neck = -4;
    p.head = -8;
    p.headFacing = -1; // looking back over the shoulder
    p.thigh[1] = 90;
    p.shin[1] = 90;
    p.foot[1] = 3;
    p.shin[0] = 196;
    p.foot[0] = 92;
    const double floorY = kBody.pelvisR;
    p.thigh[0] = bisect([&](double a) {
        Pose q = p;
        q.thigh[0] = a;
        return sk(q).heel[0].y() + 2.1 - floorY;
    }, 20, 80);
    const Skeleton s = sk(p);
    // Near arm: elbow against the outside of the raised knee, hand up.
    p.upperArm[1] = angleOf(s.shoulder[1], s.knee[0] + QPointF(1, 2));
    p.upperArmScale[1] = 0.95;
    p.forearm[1] = 12;
    p.hand[1] = 8;
    // Far arm: hand on the floor behind the back.
    armTo(p, 0, QPointF(s.pelvis.x() - 11, floorY - kBody.wristR), true);
    p.hand[0] = 270;
    return p;
}

Pose natarajasana()
{
    Pose p;
    p.torso = 38;
    p.neck = 38;
    p.head = 26;
    p.thigh = {-52, 178};
    p.shin = {8, 181};
    p.foot = {-30, 90};
    const Skeleton s = sk(p);
    armTo(p, 0, s.ankle[0] + QPointF(1, 2), true);
    p.hand[0] = p.forearm[0] - 20;
    p.upperArm[1] = 52;
    p.forearm[1] = 48;
    p.hand[1] = 48;
    return p;
}

Pose nauli()
{
    Pose p;
    p.view = View::Front;
    p.torso = 0;
    p.neck = 0;
    p.head = 0;
    p.thigh = {206, 154};
    p.thighScale = {0.78, 0.78};
    p.shin = {176, 184};
    p.shinScale = {0.95, 0.95};
    p.foot = {240, 120};
    p.footScale = {0.55, 0.55};
    p.nauli = true;
    const Skeleton s = sk(p);
    for (int i = 0; i < 2; ++i) {
        const int side = s.hip[i].x() < 0 ? -1 : 1;
        armOut(p, i, s.hip[i] + (s.knee[i] - s.hip[i]) * 0.78 + QPointF(side * 1.0, -1.5), side);
        p.hand[i] = side < 0 ? 110 : -110;
    }
    p.order = {PLeg0, PLeg1, PNeck, PTorso, PHead, PArm0, PArm1};
    return p;
}

Pose pigeon(bool full)
{
    Pose p;
    p.thigh = {265, 90};
    p.thighScale = {1, 0.85};
    p.shin[1] = 262;
    p.shinScale[1] = 0.55;
    p.foot[1] = 268;
    p.footScale[1] = 0.7;
    if (full) {
        p.torso = -22;
        p.neck = -48;
        p.head = -78;
        p.shin[0] = -8;
        p.foot[0] = 8;
        const Skeleton s = sk(p);
        for (int i = 0; i < 2; ++i) {
            armTo(p, i, s.ankle[0] + QPointF(2, -3), true);
            p.hand[i] = p.forearm[i] - 30;
        }
    } else {
        p.torso = -6;
        p.neck = -20;
        p.head = -40;
        p.shin[0] = 270;
        p.foot[0] = 268;
        const Skeleton s = sk(p);
        for (int i = 0; i < 2; ++i) {
            armTo(p, i, QPointF(s.knee[1].x() + 2, kBody.pelvisR - kBody.wristR), false);
            p.hand[i] = 92;
        }
    }
    p.order = {PArm0, PLeg0, PNeck, PTorso, PHead, PLeg1, PArm1};
    return p;
}

Pose lowLunge()
{
    Pose p;
    p.torso = -3;
    p.neck = 2;
    p.head = 4;
    p.thigh[0] = 212;
    p.shin[0] = 268;
    p.foot[0] = 272;
    p.shin[1] = 181;
    p.foot[1] = 90;
    // The front thigh settles until the front foot and the back knee share the floor.
    p.thigh[1] = bisect([&](double a) {
        Pose q = p;
        q.thigh[1] = a;
        const Skeleton s = sk(q);
        return (s.heel[1].y() + 2.1) - (s.knee[0].y() + kBody.kneeR);
    }, 60, 120);
    const Skeleton s = sk(p);
    const QPointF front = direction(p.torso + 90);
    const QPointF palms = s.neckBase + front * 8.0 + direction(p.torso + 180) * 13.0;
    for (int i = 0; i < 2; ++i) {
        armTo(p, i, palms, false);
        p.hand[i] = p.torso + 8;
    }
    p.palmsJoined = true;
    return p;
}

Pose tadasana()
{
    Pose p = upright();
    p.view = View::Front;
    p.upperArm = {186, 174};
    p.forearm = {181, 179};
    p.hand = {180, 180};
    p.thigh = {175, 185};
    p.shin = {179, 181};
    p.foot = {200, 160};
    p.footScale = {0.45, 0.45};
    return p;
}

Pose tree()
{
    Pose p = upright();
    p.view = View::Front;
    p.thigh = {177, 122};
    p.thighScale = {1, 0.9};
    p.shin[0] = 180;
    p.foot = {195, 185};
    p.footScale = {0.45, 0.6};
    Skeleton s = sk(p);
    shinTo(p, 1, s.hip[0] + (s.knee[0] - s.hip[0]) * 0.5 + QPointF(3.5, 0));
    s = sk(p);
    const QPointF palms = s.crown + QPointF(0, -13);
    for (int i = 0; i < 2; ++i) {
        const int side = s.shoulder[i].x() < 0 ? -1 : 1;
        armOut(p, i, palms + QPointF(side * 0.8, 0), side);
        p.hand[i] = -side * 6;
    }
    p.palmsJoined = true;
    return p;
}

Pose trikona()
{
    Pose p;
    p.view = View::Front;
    p.torso = 84;
    p.hips = 12;
    p.neck = 80;
    p.head = 78;
    p.thigh = {216, 150};
    p.shin = {216, 150};
    p.foot = {230, 100};
    p.footScale = {0.5, 0.85};
    const Skeleton s = sk(p);
    p.upperArm[0] = angleOf(s.shoulder[1], s.shoulder[0]) - 4;
    p.forearm[0] = p.upperArm[0];
    p.hand[0] = p.upperArm[0];
    armTo(p, 1, s.knee[1] + (s.ankle[1] - s.knee[1]) * 0.65, false);
    p.forearm[1] = p.upperArm[1] = angleOf(s.shoulder[1], s.knee[1] + (s.ankle[1] - s.knee[1]) * 0.65);
    p.hand[1] = p.forearm[1];
    p.order = {PLeg0, PLeg1, PArm1, PNeck, PTorso, PHead, PArm0};
    return p;
}

Pose vamadevasana()
{
    Pose p;
    p.torso = 8;
    p.neck = 4;
    p.head = 0;
    p.thigh = {238, 94};
    p.thighScale = {1, 0.85};
    p.shin = {62, 266};
    p.shinScale = {1, 0.6};
    p.foot = {120, 272};
    p.footScale = {1, 0.7};
    const Skeleton s = sk(p);
    armTo(p, 0, s.ankle[0] + QPointF(2, -1), false);
    p.hand[0] = p.forearm[0];
    armTo(p, 1, s.ankle[1] + QPointF(2, -3), false);
    p.hand[1] = 90;
    return p;
}

Pose meditationFront()
{
    return seatedFront(true, true);
}

Pose pranam()
{
    // Standing, palms joined before the chest.
    Pose p = tadasana();
    const Skeleton s = sk(p);
    const QPointF palms = s.neckBase + QPointF(0, 11);
    for (int i = 0; i < 2; ++i) {
        const int side = s.shoulder[i].x() < 0 ? -1 : 1;
        armOut(p, i, palms + QPointF(side * 0.6, 0), side);
        p.hand[i] = -side * 4;
    }
    p.palmsJoined = true;
    return p;
}

Pose kneelingOffering()
{
    // Sitting on the heels, both hands raising a vessel before the face.
    Pose p;
    p.torso = 4;
    p.neck = 6;
    p.head = 10;
    both(p.thigh, 92);
    both(p.shin, 268);
    both(p.foot, 272);
    const Skeleton s = sk(p);
    for (int i = 0; i < 2; ++i) {
        armTo(p, i, s.headCentre + QPointF(12, 2), false);
        p.hand[i] = 20;
    }
    return p;
}

Pose treeHug()
{
    Pose p = upright();
    p.torso = 10;
    p.neck = 22;
    p.head = 28;
    p.thigh = {172, 184};
    p.shin = {184, 178};
    p.upperArm[1] = 96;
    p.forearm[1] = 20;
    p.hand[1] = 10;
    p.upperArm[0] = 186;
    p.forearm[0] = 178;
    p.hand[0] = 180;
    // The near arm goes round the trunk and is drawn with the tree.
    p.order = {PArm0, PLeg0, PNeck, PTorso, PHead, PLeg1};
    return p;
}

} // namespace

Pose posture(const QString &name)
{
    if (name == "halasana") return plough(false);
    if (name == "halasana2") return plough(true);
    if (name == "karnapidasana") return karnapidasana();
    if (name == "sirsasana") return sirsasana();
    if (name == "urdhvadandasana") return urdhvaDandasana();
    if (name == "padmasirsasana") return padmaSirsasana();
    if (name == "sarvangasana") return sarvangasana();
    if (name == "padmasana") return seatedFront(true, true);
    if (name == "padmasanaknees") return seatedFront(true, false);
    if (name == "siddhasana") return seatedFront(false, false);
    if (name == "meditation") return meditationFront();
    if (name == "paschimottanasana") return forwardFold(false);
    if (name == "janusirsasana") return forwardFold(true);
    if (name == "downwarddog") return downwardDog();
    if (name == "bakasana") return bakasana();
    if (name == "dhanurasana") return dhanurasana();
    if (name == "uttanasana") return uttanasana();
    if (name == "marichyasana") return marichyasana();
    if (name == "natarajasana") return natarajasana();
    if (name == "nauli") return nauli();
    if (name == "rajakapotasana") return pigeon(true);
    if (name == "pigeonlift") return pigeon(false);
    if (name == "lowlunge") return lowLunge();
    if (name == "tadasana") return tadasana();
    if (name == "tree") return tree();
    if (name == "trikona") return trikona();
    if (name == "vamadevasana") return vamadevasana();
    if (name == "pranam") return pranam();
    if (name == "offering") return kneelingOffering();
    if (name == "treehug") return treeHug();
    return upright();
}

QStringList postureNames()
{
    return {"halasana", "halasana2", "karnapidasana", "sirsasana", "urdhvadandasana", "padmasirsasana",
            "sarvangasana", "padmasana", "padmasanaknees", "siddhasana", "meditation", "paschimottanasana", "janusirsasana",
            "downwarddog", "bakasana", "dhanurasana", "uttanasana", "marichyasana", "natarajasana", "nauli",
            "rajakapotasana", "pigeonlift", "lowlunge", "tadasana", "tree", "trikona", "vamadevasana",
            "pranam", "offering", "treehug"};
}

} // namespace pictures
