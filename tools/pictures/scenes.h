#pragma once

// Every picture that is drawn rather than grabbed from widgets.
#include "figure.h"
#include "painting.h"

#include <QImage>
#include <QString>

namespace pictures {

// Where a posture is photographed.
struct Setting {
    enum Kind { Studio, Garden, Beach, Hall, Jetty } kind = Studio;
    QColor wall{214, 205, 188};
    QColor floor{176, 132, 88};
    QColor mat{70, 110, 150};
    bool hasMat = true;
    double horizon = 0.62;   // wall/floor line as a fraction of the height
    double floorAt = 0.84;   // where the figure rests, fraction of the height
    double fill = 0.86;      // share of the picture the figure may take
    double maxScale = 1e9;
    double centre = 0.5;
};

// Posture photographs (posturephotos.cpp).
QImage posturePicture(QSize size, const QString &pose, const Look &look, const Setting &setting,
                      bool mirror = false);

// Where posturePicture puts the figure: figure units to picture pixels.
QTransform postureTransform(QSize size, const Pose &pose, const Setting &setting);

// The program's icon and cursor, for the 16-colour icon format (icons.cpp).
QImage programIcon(int size);
QImage cursorArrow(int size);
// The program's icon for the desktop, in full colour at any size (icons.cpp).
QImage programEmblem(int size);

// Paintings and the cartoon (paintings.cpp).
// The first two are laid out in pixels; `density` 2 draws their high-density variant.
QImage miniatureMeditation(QSize size, qreal density = 1);
QImage devotionalPainting(QSize size, qreal density = 1);
QImage businessmanTree(QSize size);

// Photographs of places (places.cpp).
QImage riversideRitual(QSize size);
QImage lakeMountains(QSize size);
QImage templeHills(QSize size, int variant);
QImage jettyHeadstand(QSize size);

// The book's jacket and the publisher's emblem (objects.cpp).
QImage bookCover(QSize size);
QImage publisherLogo(QSize size);

// People of the featured centre pages (portraits.cpp).
struct PortraitSpec {
    Look look;
    QColor background;
    QColor background2;
    bool smile = true;
    bool glasses = false;
    bool garland = false;
    double age = 0;   // 0 young .. 1 old: lines on the face
};
QImage portrait(QSize size, const PortraitSpec &spec);
QImage seatedTeacher(QSize size, const Look &look, QColor wall, QColor floor, bool lotus);

} // namespace pictures
