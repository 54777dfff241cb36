#pragma once

#include <QString>

class QImage;

namespace vireka {

class ImageControl;

// Pictures larger than this many pixels are refused as unreadable: a small file must not be able
// to claim a picture that would take gigabytes to decode.
inline constexpr qint64 MaxPicturePixels = qint64(8192) * 8192;
// Nor is a file larger than such a picture at 32 bits a pixel, with room for its headers, read.
inline constexpr qint64 MaxPictureFileBytes = MaxPicturePixels * 4 + (qint64(1) << 20);

// Decodes the picture file at `path`; a null image when it is missing, unreadable, cut short or too
// large.
QImage readPictureFile(const QString &path);

// Shows the picture file that `fileName` (beginning with a backslash) names in the program folder.
// On success the image takes the picture (at its natural size unless it stretches); on failure it
// keeps the picture it had and false tells the caller, whose business the failure is.
[[nodiscard]] bool LoadPictureFile(ImageControl &image, const QString &fileName);

} // namespace vireka
