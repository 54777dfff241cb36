#include "imageio.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>

#include <algorithm>
#include <array>
#include <cstdint>

namespace pictures {

namespace {

void putU16(QByteArray &out, quint16 v)
{
    out.append(char(v & 0xff));
    out.append(char(v >> 8));
}

void putU32(QByteArray &out, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        out.append(char((v >> (8 * i)) & 0xff));
}

int rowStride(int width, int bitsPerPixel)
{
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

// BITMAPINFOHEADER; `height` is what the header says (icons double it).
void putInfoHeader(QByteArray &out, int width, int height, int bits, quint32 imageBytes,
                   quint32 coloursUsed)
{
    putU32(out, 40);
    putU32(out, quint32(width));
    putU32(out, quint32(height));
    putU16(out, 1);
    putU16(out, quint16(bits));
    putU32(out, 0); // BI_RGB: uncompressed
    putU32(out, imageBytes);
    putU32(out, 3780); // 96 dots per inch, in pixels per metre
    putU32(out, 3780);
    putU32(out, coloursUsed);
    putU32(out, 0);
}

void putPalette(QByteArray &out, const QList<QRgb> &palette, int entries)
{
    for (int i = 0; i < entries; ++i) {
        const QRgb c = i < palette.size() ? palette[i] : qRgb(0, 0, 0);
        out.append(char(qBlue(c)));
        out.append(char(qGreen(c)));
        out.append(char(qRed(c)));
        out.append(char(0));
    }
}

void putFileHeader(QByteArray &out, quint32 fileSize, quint32 pixelOffset)
{
    out.append("BM", 2);
    putU32(out, fileSize);
    putU32(out, 0);
    putU32(out, pixelOffset);
}

struct Box {
    int lo[3];
    int hi[3];
    qint64 count;
};

} // namespace

int luma(QRgb c)
{
    return (299 * qRed(c) + 587 * qGreen(c) + 114 * qBlue(c) + 500) / 1000;
}

IndexedImage toGreyscale(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    IndexedImage out;
    out.width = image.width();
    out.height = image.height();
    for (int i = 0; i < 256; ++i)
        out.palette.append(qRgb(i, i, i));
    out.indices.resize(qsizetype(out.width) * out.height);
    for (int y = 0; y < out.height; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < out.width; ++x)
            out.indices[qsizetype(y) * out.width + x] = char(luma(line[x]));
    }
    return out;
}

IndexedImage toMedianCut(const QImage &source, int colours)
{
    // Work on 5 bits per channel: a 32768-cell histogram keeps this quick and
    // is fine enough that no banding shows at the sizes we draw.
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    std::vector<quint32> histogram(32768, 0);
    auto cell = [](QRgb c) { return ((qRed(c) >> 3) << 10) | ((qGreen(c) >> 3) << 5) | (qBlue(c) >> 3); };
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            ++histogram[cell(line[x])];
    }
    auto countIn = [&](const Box &b) {
        qint64 n = 0;
        for (int r = b.lo[0]; r <= b.hi[0]; ++r)
            for (int g = b.lo[1]; g <= b.hi[1]; ++g)
                for (int bl = b.lo[2]; bl <= b.hi[2]; ++bl)
                    n += histogram[(r << 10) | (g << 5) | bl];
        return n;
    };
    auto shrink = [&](Box &b) {
        int lo[3] = {31, 31, 31}, hi[3] = {0, 0, 0};
        for (int r = b.lo[0]; r <= b.hi[0]; ++r)
            for (int g = b.lo[1]; g <= b.hi[1]; ++g)
                for (int bl = b.lo[2]; bl <= b.hi[2]; ++bl)
                    if (histogram[(r << 10) | (g << 5) | bl]) {
                        const int v[3] = {r, g, bl};
                        for (int k = 0; k < 3; ++k) {
                            lo[k] = std::min(lo[k], v[k]);
                            hi[k] = std::max(hi[k], v[k]);
                        }
                    }
        for (int k = 0; k < 3; ++k) {
            b.lo[k] = lo[k];
            b.hi[k] = hi[k];
        }
    };

    std::vector<Box> boxes;
    Box all{{0, 0, 0}, {31, 31, 31}, 0};
    all.count = countIn(all);
    shrink(all);
    boxes.push_back(all);
    while (int(boxes.size()) < colours) {
        // Split the box with the most pixels times its longest side; ties go to
        // the first box so the result never depends on anything but the picture.
        int best = -1;
        qint64 bestScore = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            const Box &b = boxes[size_t(i)];
            int side = 0;
            for (int k = 0; k < 3; ++k)
                side = std::max(side, b.hi[k] - b.lo[k]);
            if (side == 0)
                continue;
            const qint64 score = b.count * side;
            if (score > bestScore) {
                bestScore = score;
                best = i;
            }
        }
        if (best < 0)
            break;
        Box b = boxes[size_t(best)];
        int axis = 0;
        for (int k = 1; k < 3; ++k)
            if (b.hi[k] - b.lo[k] > b.hi[axis] - b.lo[axis])
                axis = k;
        // Find the median plane along the axis.
        qint64 running = 0;
        int cut = b.lo[axis];
        for (int v = b.lo[axis]; v < b.hi[axis]; ++v) {
            Box slab = b;
            slab.lo[axis] = slab.hi[axis] = v;
            running += countIn(slab);
            cut = v;
            if (running * 2 >= b.count)
                break;
        }
        Box a = b, c = b;
        a.hi[axis] = cut;
        c.lo[axis] = cut + 1;
        a.count = countIn(a);
        c.count = countIn(c);
        if (a.count == 0 || c.count == 0)
            break;
        shrink(a);
        shrink(c);
        boxes[size_t(best)] = a;
        boxes.push_back(c);
    }

    IndexedImage out;
    out.width = image.width();
    out.height = image.height();
    for (const Box &b : boxes) {
        double sr = 0, sg = 0, sb = 0, n = 0;
        for (int r = b.lo[0]; r <= b.hi[0]; ++r)
            for (int g = b.lo[1]; g <= b.hi[1]; ++g)
                for (int bl = b.lo[2]; bl <= b.hi[2]; ++bl) {
                    const double w = histogram[(r << 10) | (g << 5) | bl];
                    sr += w * (r * 8 + 4);
                    sg += w * (g * 8 + 4);
                    sb += w * (bl * 8 + 4);
                    n += w;
                }
        if (n > 0)
            out.palette.append(qRgb(std::clamp(int(sr / n + 0.5), 0, 255),
                                    std::clamp(int(sg / n + 0.5), 0, 255),
                                    std::clamp(int(sb / n + 0.5), 0, 255)));
    }
    while (out.palette.size() < colours)
        out.palette.append(qRgb(0, 0, 0));

    std::vector<int> nearest(32768, -1);
    out.indices.resize(qsizetype(out.width) * out.height);
    for (int y = 0; y < out.height; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < out.width; ++x) {
            const int key = cell(line[x]);
            if (nearest[size_t(key)] < 0) {
                const int r = ((key >> 10) & 31) * 8 + 4, g = ((key >> 5) & 31) * 8 + 4, b = (key & 31) * 8 + 4;
                int best = 0;
                int bestDist = INT32_MAX;
                for (int i = 0; i < out.palette.size(); ++i) {
                    const QRgb p = out.palette[i];
                    const int dr = qRed(p) - r, dg = qGreen(p) - g, db = qBlue(p) - b;
                    const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
                    if (d < bestDist) {
                        bestDist = d;
                        best = i;
                    }
                }
                nearest[size_t(key)] = best;
            }
            out.indices[qsizetype(y) * out.width + x] = char(nearest[size_t(key)]);
        }
    }
    return out;
}

QByteArray encodeBmp8(const IndexedImage &image)
{
    const int stride = rowStride(image.width, 8);
    const quint32 imageBytes = quint32(stride * image.height);
    const quint32 offset = 14 + 40 + 256 * 4;
    QByteArray out;
    out.reserve(int(offset + imageBytes));
    putFileHeader(out, offset + imageBytes, offset);
    putInfoHeader(out, image.width, image.height, 8, imageBytes, 256);
    putPalette(out, image.palette, 256);
    for (int y = image.height - 1; y >= 0; --y) {
        out.append(image.indices.constData() + qsizetype(y) * image.width, image.width);
        out.append(QByteArray(stride - image.width, '\0'));
    }
    return out;
}

QByteArray encodeBmp24(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int stride = rowStride(image.width(), 24);
    const quint32 imageBytes = quint32(stride * image.height());
    const quint32 offset = 14 + 40;
    QByteArray out;
    out.reserve(int(offset + imageBytes));
    putFileHeader(out, offset + imageBytes, offset);
    putInfoHeader(out, image.width(), image.height(), 24, imageBytes, 0);
    for (int y = image.height() - 1; y >= 0; --y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            out.append(char(qBlue(line[x])));
            out.append(char(qGreen(line[x])));
            out.append(char(qRed(line[x])));
        }
        out.append(QByteArray(stride - image.width() * 3, '\0'));
    }
    return out;
}

const QList<QRgb> &iconPalette()
{
    static const QList<QRgb> palette = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
    };
    return palette;
}

namespace {

int nearestIconColour(QRgb c)
{
    const QList<QRgb> &palette = iconPalette();
    int best = 0;
    int bestDist = INT32_MAX;
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - qRed(c);
        const int dg = qGreen(palette[i]) - qGreen(c);
        const int db = qBlue(palette[i]) - qBlue(c);
        const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (d < bestDist) {
            bestDist = d;
            best = i;
        }
    }
    return best;
}

} // namespace

QByteArray encodeIco4(const QList<QImage> &images)
{
    QList<QByteArray> entries;
    for (const QImage &source : images) {
        const QImage image = source.convertToFormat(QImage::Format_ARGB32);
        const int w = image.width(), h = image.height();
        const int xorStride = rowStride(w, 4);
        const int andStride = rowStride(w, 1);
        QByteArray entry;
        putInfoHeader(entry, w, h * 2, 4, quint32((xorStride + andStride) * h), 16);
        putPalette(entry, iconPalette(), 16);
        QByteArray xorBits(xorStride * h, '\0');
        QByteArray andBits(andStride * h, '\0');
        for (int y = 0; y < h; ++y) {
            const int row = h - 1 - y; // bottom-up
            const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (int x = 0; x < w; ++x) {
                const bool transparent = qAlpha(line[x]) < 128;
                // Transparent pixels carry colour 0 (black) so that the screen
                // shows through unchanged where the mask is set.
                const int index = transparent ? 0 : nearestIconColour(line[x]);
                char &nibbles = xorBits[row * xorStride + x / 2];
                nibbles = char(uchar(nibbles) | (x % 2 == 0 ? index << 4 : index));
                if (transparent) {
                    char &bits = andBits[row * andStride + x / 8];
                    bits = char(uchar(bits) | (0x80 >> (x % 8)));
                }
            }
        }
        entry.append(xorBits);
        entry.append(andBits);
        entries.append(entry);
    }

    QByteArray out;
    putU16(out, 0);
    putU16(out, 1); // icon, not cursor
    putU16(out, quint16(images.size()));
    quint32 offset = 6 + 16 * quint32(images.size());
    for (int i = 0; i < images.size(); ++i) {
        out.append(char(images[i].width() >= 256 ? 0 : images[i].width()));
        out.append(char(images[i].height() >= 256 ? 0 : images[i].height()));
        out.append(char(16)); // colours in the palette
        out.append(char(0));
        putU16(out, 1);  // planes
        putU16(out, 4);  // bits per pixel
        putU32(out, quint32(entries[i].size()));
        putU32(out, offset);
        offset += quint32(entries[i].size());
    }
    for (const QByteArray &entry : entries)
        out.append(entry);
    return out;
}

QByteArray encodeJpeg(const QImage &image, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    writer.setOptimizedWrite(false);
    writer.setProgressiveScanWrite(false);
    writer.write(image.convertToFormat(QImage::Format_RGB32));
    return bytes;
}

QByteArray encodePng(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.write(image.convertToFormat(QImage::Format_ARGB32));
    return bytes;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

} // namespace pictures
