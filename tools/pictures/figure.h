#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>

#include <array>
#include <vector>

// The articulated human figure every posture picture is drawn from.
//
// A pose gives, for each body segment, the direction it points in the picture
// plane (degrees; 0 is straight up, 90 to the right, 180 down). A joint's angle
// is the difference between the directions of the two segments it joins.
// Starting at the pelvis, the skeleton is built outwards segment by segment, so
// changing one angle moves everything beyond that joint. Drawing turns every
// segment into a rounded, tapered limb shaded across its width.
namespace pictures {

inline constexpr double kPi = 3.14159265358979323846;

QPointF direction(double degrees);
double angleOf(QPointF from, QPointF to);

enum class View { Side, Front };
enum class Hair { Short, Bun, Long, Bald, Curly, Turban };

struct Look {
    QColor skin{222, 172, 136};
    QColor hair{45, 32, 25};
    QColor top{40, 90, 160};      // garment over the torso
    QColor bottom{30, 40, 70};    // shorts or trousers
    QColor shoes;                 // invalid: bare feet
    int sleeves = 0;              // 0 bare arms, 1 short, 2 long
    int legCover = 1;             // 0 bare, 1 shorts, 2 knee length, 3 full length
    bool bareChest = false;
    Hair hairStyle = Hair::Short;
    bool beard = false;
    bool female = false;
    bool eyesClosed = false;
    bool flat = false;            // painted look: flat colours with dark outlines
    QColor outline{40, 25, 20};
    double outlineWidth = 0.0;    // in figure units; 0 picks a default
};

// Segment indices for arms and legs: 0 is the figure's left (the far side in
// a side view), 1 the right (near side).
struct Pose {
    View view = View::Side;
    bool mirror = false;          // draw flipped left-to-right
    double torso = 0;             // pelvis to the base of the neck
    double hips = 1e9;            // direction across the hips (front view); 1e9 follows the torso
    double neck = 0;
    double head = 0;              // from the base of the head to the crown
    int headFacing = 1;           // which side of the head the face is on (side view)
    bool faceFront = false;       // side view body with the face turned to the viewer
    std::array<double, 2> upperArm{180, 180};
    std::array<double, 2> forearm{180, 180};
    std::array<double, 2> hand{180, 180};
    std::array<double, 2> thigh{180, 180};
    std::array<double, 2> shin{180, 180};
    std::array<double, 2> foot{90, 90};
    // Foreshortening of segments that point towards or away from the viewer.
    std::array<double, 2> thighScale{1, 1};
    std::array<double, 2> shinScale{1, 1};
    std::array<double, 2> upperArmScale{1, 1};
    std::array<double, 2> forearmScale{1, 1};
    std::array<double, 2> footScale{1, 1};
    double torsoScale = 1;
    bool palmsJoined = false;     // hands drawn as one pair of joined palms
    bool nauli = false;           // abdomen drawn with the central muscle isolated
    bool soleUp = false;          // feet seen from below (lotus)
    std::vector<int> order;       // drawing order of parts; empty picks a default
};

enum Part {
    PTorso, PNeck, PHead,
    PUpperArm0, PForearm0, PHand0, PUpperArm1, PForearm1, PHand1,
    PThigh0, PShin0, PFoot0, PThigh1, PShin1, PFoot1,
    PArm0, PArm1, PLeg0, PLeg1, // shorthands for a whole limb
};

struct Skeleton {
    QPointF pelvis, neckBase, headBase, headCentre, crown;
    std::array<QPointF, 2> shoulder, elbow, wrist, fingertip;
    std::array<QPointF, 2> hip, knee, ankle, heel, toe;
    double headRadius = 0;
};

// Body measurements in figure units: a person standing upright is about 100 tall.
struct Body {
    double headRadius = 6.4;
    double neck = 3.8;
    double torso = 30;
    double shoulderDrop = 2.6;
    double upperArm = 18, forearm = 14.5, hand = 8.5;
    double thigh = 24, shin = 22.5, foot = 12.5, heel = 2.4, ankleHeight = 3.6;
    double shoulderHalf = 11, hipHalf = 7.8;  // front view
    double upperArmR = 3.2, elbowR = 2.4, wristR = 1.7;
    double thighR = 6.2, kneeR = 3.9, ankleR = 2.1;
    double neckR = 2.6, chestR = 6.4, waistR = 5.0, pelvisR = 5.8;
};

Skeleton buildSkeleton(const Pose &pose, const Body &body = Body{});

// The box the drawn figure covers, in figure units.
QRectF figureBounds(const Skeleton &s, const Body &body = Body{});

// Two-segment reach: directions for the upper and lower segment so that the
// end of the chain lands on `target` (or points at it when out of reach).
// `bend` picks the side the middle joint bends to (+1 or -1).
std::pair<double, double> reach(QPointF root, QPointF target, double upper, double lower, int bend);

// The height of a point above the figure's lowest drawn point (figure units).
double lowestY(const Skeleton &s, const Body &body = Body{});

// Draws the figure in figure units; the caller sets up the painter transform.
void drawFigure(QPainter &p, const Pose &pose, const Look &look, const Body &body = Body{});

// Draws the figure where `t` (from placeFigure) puts it, then returns the
// painter to picture coordinates.
void drawPlacedFigure(QPainter &p, const Pose &pose, const Look &look, const QTransform &t,
                      const Body &body = Body{});

// Places a posed figure: scales it to fit `box` (keeping proportions, at most
// `maxScale` pixels per unit), stands its lowest point on `floorY` and centres
// it horizontally on `centreX`. Returns the transform to draw with.
QTransform placeFigure(const Pose &pose, const QRectF &box, double floorY, double centreX,
                       double maxScale = 1e9, const Body &body = Body{});

// A soft contact shadow under the figure on the floor.
void drawFloorShadow(QPainter &p, const Pose &pose, const QTransform &t, double floorY,
                     const Body &body = Body{});

} // namespace pictures
