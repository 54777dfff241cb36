#include "WholePicture.h"

#include <QtGlobal>

namespace vireka {

namespace {

using Bytes = QByteArrayView;

uint byteAt(Bytes b, qsizetype at) { return uchar(b[at]); }
uint big16(Bytes b, qsizetype at) { return byteAt(b, at) << 8 | byteAt(b, at + 1); }
uint little16(Bytes b, qsizetype at) { return byteAt(b, at) | byteAt(b, at + 1) << 8; }
quint32 little32(Bytes b, qsizetype at) { return little16(b, at) | quint32(little16(b, at + 2)) << 16; }

// JPEG markers that stand alone, without a length: restarts inside scan data, and TEM.
bool standsAlone(uint marker) { return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7); }

// Walks the segments from SOI to EOI, across every scan (a progressive file has several).
bool jpegReachesItsEnd(Bytes b)
{
    const qsizetype n = b.size();
    qsizetype i = 2;
    while (true) {
        if (i >= n || byteAt(b, i) != 0xFF)
            return false;
        while (i < n && byteAt(b, i) == 0xFF) // fill bytes before a marker
            ++i;
        if (i >= n)
            return false;
        const uint marker = byteAt(b, i++);
        if (marker == 0xD9)
            return true;
        if (standsAlone(marker))
            continue;
        if (i + 2 > n || big16(b, i) < 2)
            return false;
        i += big16(b, i);
        if (marker != 0xDA)
            continue;
        // Scan data runs to the next marker; inside it 0xFF is followed by a stuffed 0 or a restart.
        while (i + 1 < n && !(byteAt(b, i) == 0xFF && byteAt(b, i + 1) != 0x00 && !standsAlone(byteAt(b, i + 1))))
            ++i;
        if (i + 1 >= n)
            return false;
    }
}

bool bitmapHoldsItsPixels(Bytes b)
{
    if (b.size() < 30)
        return true; // too short for a header: the reader refuses it itself
    const qint64 pixelsAt = little32(b, 10);
    const quint32 headerSize = little32(b, 14);
    qint64 width = 0, height = 0, bits = 0;
    quint32 compression = 0;
    if (headerSize == 12) {
        width = little16(b, 18);
        height = qint16(little16(b, 20));
        bits = little16(b, 24);
    } else if (headerSize >= 40 && b.size() >= 34) {
        width = qint32(little32(b, 18));
        height = qint32(little32(b, 22));
        bits = little16(b, 28);
        compression = little32(b, 30);
    } else {
        return true;
    }
    constexpr quint32 Plain = 0, BitFields = 3, AlphaBitFields = 6;
    if (compression != Plain && compression != BitFields && compression != AlphaBitFields)
        return true; // run-length data has no size fixed by the header
    const qint64 rowBytes = (qAbs(width) * bits + 31) / 32 * 4;
    return b.size() >= pixelsAt + rowBytes * qAbs(height);
}

} // namespace

bool holdsWholePicture(QByteArrayView bytes)
{
    if (bytes.startsWith("\xFF\xD8"))
        return jpegReachesItsEnd(bytes);
    if (bytes.startsWith("BM"))
        return bitmapHoldsItsPixels(bytes);
    return true;
}

} // namespace vireka
