#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>

namespace vireka {

// A picture built into the program, by its path under the pictures folder ("frmYoga/Image1.bmp").
// A missing or undecodable one is a null image: the control shows no picture. On a high-density
// screen it is the picture's double-size variant where there is one, with a device pixel ratio of 2.
QImage builtInPicture(const char *path);

// `picture` in the format the screen draws fastest. Pictures are decoded once and painted often, and
// an indexed or 24-bit picture would otherwise be converted again on every paint.
QImage drawable(QImage picture);

// The window icon of the screens that carry one: the icon file's 16 and 32 pixels, and 48 to 256
// pixels drawn alike.
QIcon programIcon();

// The arrow cursor of pointer kind 99, with its hot spot at the arrow's tip.
QCursor customCursor();

} // namespace vireka
