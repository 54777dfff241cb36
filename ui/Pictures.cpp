#include "Pictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QPixmap>

namespace vireka {

namespace {
// The arrow in the cursor picture points right; its tip is at this pixel of the 32 x 32 image.
constexpr int CursorHotX = 30;
constexpr int CursorHotY = 16;
} // namespace

QImage builtInPicture(const char *path)
{
    if (!path)
        return {};
    // Decoded once: a screen opened again shares the pixels of its first opening.
    static QHash<QString, QImage> decoded;
    QString resource = QStringLiteral(":/pictures/") + QString::fromLatin1(path);
    // On a high-density screen the double-size variant ("Image1@2x.bmp") is drawn instead; the
    // reader marks it as two pixels to a point, so it takes the base picture's place and size.
    if (qApp && qApp->devicePixelRatio() > 1) {
        const qsizetype dot = resource.lastIndexOf(QLatin1Char('.'));
        const QString dense = resource.left(dot) + QStringLiteral("@2x") + resource.mid(dot);
        if (QFile::exists(dense))
            resource = dense;
    }
    auto found = decoded.constFind(resource);
    if (found == decoded.cend())
        found = decoded.insert(resource, drawable(QImage(resource)));
    return *found;
}

QImage drawable(QImage picture)
{
    const QImage::Format fastest = picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    if (!picture.isNull() && picture.format() != fastest)
        picture.convertTo(fastest);
    return picture;
}

QIcon programIcon()
{
    static const QIcon icon = [] {
        QIcon sizes(QStringLiteral(":/pictures/program.ico"));
        for (int pixels : {48, 64, 128, 256})
            sizes.addFile(QStringLiteral(":/icons/program-%1.png").arg(pixels), QSize(pixels, pixels));
        return sizes;
    }();
    return icon;
}

QCursor customCursor()
{
    const QPixmap arrow(QStringLiteral(":/pictures/cursor.ico"));
    if (arrow.isNull())
        return QCursor(Qt::ArrowCursor);
    return QCursor(arrow, CursorHotX * arrow.width() / 32, CursorHotY * arrow.height() / 32);
}

} // namespace vireka
