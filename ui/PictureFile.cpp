#include "PictureFile.h"

#include "ImageControl.h"
#include "Pictures.h"
#include "ProgramFile.h"
#include "WholePicture.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

namespace vireka {

QImage readPictureFile(const QString &path)
{
    // Only regular files: a named pipe under a picture's name would block the program.
    if (!QFileInfo(path).isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxPictureFileBytes)
        return {};
    const QByteArray bytes = file.readAll();
    if (!holdsWholePicture(bytes))
        return {};
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    const QSize claimed = reader.size();
    if (claimed.isValid() && qint64(claimed.width()) * claimed.height() > MaxPicturePixels)
        return {};
    QImage picture;
    if (!reader.read(&picture))
        return {};
    if (qint64(picture.width()) * picture.height() > MaxPicturePixels)
        return {};
    return drawable(std::move(picture));
}

bool LoadPictureFile(ImageControl &image, const QString &fileName)
{
    const QImage picture = readPictureFile(programFilePath(fileName));
    if (picture.isNull())
        return false;
    image.setPicture(picture);
    // The files are named after what they show ("\Nauli.bmp"), which a screen reader can say.
    const QString shown = fileName.section(QLatin1Char('\\'), -1).section(QLatin1Char('.'), 0, 0);
    image.setAccessibleName(QStringLiteral("Photograph: ") + shown);
    return true;
}

} // namespace vireka
