#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRgb>
#include <QString>

// Writers for the exact file formats the screens and the program folder need.
// Qt itself only writes 24/32-bit BMP files and no 4-bit icons, so the
// bitmap and icon encoders are our own; JPEG goes through Qt at a fixed quality.
namespace pictures {

// Luminance of a colour on the 0..255 scale (Rec. 601 weights, rounded).
int luma(QRgb c);

// A 256-entry palette plus one index per pixel, rows top to bottom.
struct IndexedImage {
    int width = 0;
    int height = 0;
    QList<QRgb> palette;     // at most 256 entries
    QByteArray indices;      // width * height bytes
};

// Black-and-white photographs: an exact 256-step grey palette.
IndexedImage toGreyscale(const QImage &image);

// Colour photographs stored at 8 bits: a median-cut palette built from the
// picture's own colours, each pixel mapped to its nearest palette entry.
IndexedImage toMedianCut(const QImage &image, int colours = 256);

// Uncompressed Windows bitmaps (BITMAPINFOHEADER, bottom-up rows padded to 4 bytes).
QByteArray encodeBmp8(const IndexedImage &image);
QByteArray encodeBmp24(const QImage &image);

// An icon file holding the given images (each 32x32 or 16x16) at 4 bits per
// pixel with the 16 standard colours; pixels whose alpha is below half are
// transparent through the AND mask.
QByteArray encodeIco4(const QList<QImage> &images);

// The 16 colours of the icons, in palette order.
const QList<QRgb> &iconPalette();

QByteArray encodeJpeg(const QImage &image, int quality = 88);

// A PNG file with an alpha channel, for the desktop's icon theme.
QByteArray encodePng(const QImage &image);

bool writeFile(const QString &path, const QByteArray &bytes);

} // namespace pictures
