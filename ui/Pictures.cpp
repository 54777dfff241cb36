#include "Pictures.h"

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
    const QString resource = QStringLiteral(":/pictures/") + QString::fromLatin1(path);
    auto found = decoded.constFind(resource);
    if (found == decoded.cend())
        found = decoded.insert(resource, QImage(resource));
    return *found;
}

QIcon programIcon()
{
    static const QIcon icon(QStringLiteral(":/pictures/program.ico"));
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
