#include "Pictures.h"

#include <QGuiApplication>
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
    const QString base = QStringLiteral(":/pictures/") + QString::fromLatin1(path);
    // On a high-density screen the double-size variant ("Image1@2x.bmp") is drawn instead; the
    // reader marks it as two pixels to a point, so it takes the base picture's place and size.
    if (qApp && qApp->devicePixelRatio() > 1) {
        const qsizetype dot = base.lastIndexOf(QLatin1Char('.'));
        const QImage dense(base.left(dot) + QStringLiteral("@2x") + base.mid(dot));
        if (!dense.isNull())
            return dense;
    }
    return QImage(base);
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
