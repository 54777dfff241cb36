#include "painting.h"

#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace pictures {

QFont pictureFont(const QString &family, double pixelSize, bool bold, bool italic)
{
    QFont f(family);
    f.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    f.setBold(bold);
    f.setItalic(italic);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QImage painted(QSize size, QColor ground, const Draw &draw, qreal density)
{
    QImage image(size * density, QImage::Format_RGB32);
    image.fill(ground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    if (density != 1)
        p.scale(density, density);
    draw(p, size.width(), size.height());
    p.end();
    return image;
}

QImage photographed(QSize size, QColor ground, const Draw &draw)
{
    QImage image = painted(size, ground, draw);
    photoFinish(image, quint32(size.width() * 31 + size.height()));
    return image;
}

void photoFinish(QImage &image, quint32 seed)
{
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);
        const QPointF c(image.width() / 2.0, image.height() / 2.0);
        const double r = std::hypot(c.x(), c.y());
        QRadialGradient g(c, r);
        g.setColorAt(0, QColor(0, 0, 0, 0));
        g.setColorAt(0.65, QColor(0, 0, 0, 0));
        g.setColorAt(1, QColor(0, 0, 0, 70));
        p.fillRect(image.rect(), g);
    }
    quint32 state = seed * 2654435761u + 12345u;
    for (int y = 0; y < image.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            state = state * 1664525u + 1013904223u;
            const int n = int((state >> 24) % 9) - 4;
            const QRgb c = line[x];
            line[x] = qRgb(std::clamp(qRed(c) + n, 0, 255), std::clamp(qGreen(c) + n, 0, 255),
                           std::clamp(qBlue(c) + n, 0, 255));
        }
    }
}

} // namespace pictures
