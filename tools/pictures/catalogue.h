#pragma once

#include "scenes.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

#include <functional>

namespace pictures {

enum class Format { Bmp8Grey, Bmp8Colour, Bmp24, Jpeg, Icon, Png };

struct Entry {
    QString path;     // relative to the content folder, for example "pictures/frmYoga/Image1.bmp"
    Format format;
    QSize size;       // for icons the larger image; a 16x16 one is written too
    std::function<QImage(QSize)> draw;
    // Draws the double-size variant where drawing again at twice the size would not be the same
    // picture (screenshots of windows, whose texts keep their size); empty: `draw` does.
    std::function<QImage(QSize)> drawDense;
    // For posture photographs: what is drawn, so that it can be checked.
    QString pose;
    Setting setting;
    bool mirror = false;
};

// Every picture the program uses or ships with.
const QList<Entry> &catalogue();

// The file bytes of one entry, in its exact format.
QByteArray render(const Entry &entry);

// The image as it will look once decoded (for the contact sheet).
QImage preview(const Entry &entry, const QByteArray &bytes);

} // namespace pictures
