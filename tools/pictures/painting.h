#pragma once

// What every drawn picture is made with: its canvas, its fonts, the finish
// that makes it look photographed and a repeatable scatter for small details.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QSize>
#include <QString>

#include <functional>

namespace pictures {

// Fonts for text drawn into pictures (Liberation families only).
QFont pictureFont(const QString &family, double pixelSize, bool bold = false, bool italic = false);

// Draws a picture with an antialiasing painter on a fresh canvas filled with
// `ground`; `draw` gets the painter and the picture's width and height. With a
// density of 2 the canvas has twice the pixels and `draw` the same width and
// height: for drawings laid out in pixels, the high-density variant.
using Draw = std::function<void(QPainter &p, double w, double h)>;
QImage painted(QSize size, QColor ground, const Draw &draw, qreal density = 1);

// The same, then given the look of a photograph (photoFinish, seeded by the size).
QImage photographed(QSize size, QColor ground, const Draw &draw);

// Gives a drawn picture the look of a photograph: a soft darkening towards
// the corners, as a lens gives, and a fine, repeatable film grain.
void photoFinish(QImage &image, quint32 seed);

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

} // namespace pictures
