#include "RtfCodePages.h"

#include <QByteArray>
#include <QList>

namespace vireka::rtf {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F; the five holes show nothing.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// The Symbol font from 0x20 on; 0x7F-0x9F and 0xFF are empty.
constexpr char16_t SymbolLow[0x60] = {
    0x0020, 0x0021, 0x2200, 0x0023, 0x2203, 0x0025, 0x0026, 0x220B, // 20
    0x0028, 0x0029, 0x2217, 0x002B, 0x002C, 0x2212, 0x002E, 0x002F,
    0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037, // 30
    0x0038, 0x0039, 0x003A, 0x003B, 0x003C, 0x003D, 0x003E, 0x003F,
    0x2245, 0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393, // 40
    0x0397, 0x0399, 0x03D1, 0x039A, 0x039B, 0x039C, 0x039D, 0x039F,
    0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9, // 50
    0x039E, 0x03A8, 0x0396, 0x005B, 0x2234, 0x005D, 0x22A5, 0x005F,
    0x203E, 0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3, // 60
    0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BF,
    0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9, // 70
    0x03BE, 0x03C8, 0x03B6, 0x007B, 0x007C, 0x007D, 0x223C, 0,
};

constexpr char16_t SymbolHigh[0x60] = {
    0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663, // A0
    0x2666, 0x2665, 0x2660, 0x2194, 0x2190, 0x2191, 0x2192, 0x2193,
    0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D, 0x2202, 0x2022, // B0
    0x00F7, 0x2260, 0x2261, 0x2248, 0x2026, 0x23D0, 0x23AF, 0x21B5,
    0x2135, 0x2111, 0x211C, 0x2118, 0x2297, 0x2295, 0x2205, 0x2229, // C0
    0x222A, 0x2283, 0x2287, 0x2284, 0x2282, 0x2286, 0x2208, 0x2209,
    0x2220, 0x2207, 0x00AE, 0x00A9, 0x2122, 0x220F, 0x221A, 0x22C5, // D0
    0x00AC, 0x2227, 0x2228, 0x21D4, 0x21D0, 0x21D1, 0x21D2, 0x21D3,
    0x25CA, 0x2329, 0x00AE, 0x00A9, 0x2122, 0x2211, 0x239B, 0x239C, // E0
    0x239D, 0x23A1, 0x23A2, 0x23A3, 0x23A7, 0x23A8, 0x23A9, 0x23AA,
    0,      0x232A, 0x222B, 0x2320, 0x23AE, 0x2321, 0x239E, 0x239F, // F0
    0x23A0, 0x23A4, 0x23A5, 0x23A6, 0x23AB, 0x23AC, 0x23AD, 0,
};

bool isMultiByteCodePage(int codePage)
{
    switch (codePage) {
    case 932: case 936: case 949: case 950: case 1361: case 10001: case 10002: case 10003: case 10008:
    case 20932: case 51932: case 51936: case 51949: case 54936: case 65001:
        return true;
    default:
        return false;
    }
}

std::unique_ptr<QStringDecoder> openConverter(int codePage)
{
    QList<QByteArray> names;
    switch (codePage) {
    case 932: names << "windows-31j"; break;
    case 936: names << "GBK"; break;
    case 10000: names << "macintosh"; break;
    // The Mac East Asian sets are their region's standard sets with a few additions.
    case 10001: names << "Shift_JIS"; break;
    case 10002: names << "Big5"; break;
    case 10003: names << "EUC-KR"; break;
    case 10008: names << "GBK"; break;
    case 10006: names << "x-mac-greek"; break;
    case 10007: names << "x-mac-cyrillic"; break;
    case 10029: names << "x-mac-centraleurroman"; break;
    case 10081: names << "x-mac-turkish"; break;
    // No converter knows these; the letters stand where the nearest Windows or ISO set has them.
    case 10004: names << "ISO-8859-6"; break;
    case 10005: names << "windows-1255"; break;
    case 10021: names << "windows-874"; break;
    case 20866: names << "KOI8-R"; break;
    case 21866: names << "KOI8-U"; break;
    case 65001: names << "UTF-8"; break;
    default: break;
    }
    const QByteArray number = QByteArray::number(codePage);
    names << "windows-" + number << "cp" + number << "ibm-" + number;
    for (const QByteArray &name : std::as_const(names)) {
        auto decoder = std::make_unique<QStringDecoder>(name.constData());
        if (decoder->isValid())
            return decoder;
    }
    return nullptr;
}

void fill1252(std::array<char16_t, 256> &table)
{
    for (int b = 0; b < 256; ++b)
        table[b] = char16_t(b);
    for (int b = 0; b < 32; ++b)
        table[0x80 + b] = Cp1252High[b];
}

} // namespace

int codePageForCharset(int charset)
{
    switch (charset) {
    // Mac character sets: Roman, Japanese, Korean, simplified and traditional Chinese, Hebrew,
    // Arabic, Greek, Turkish, Thai, Central European, Cyrillic.
    case 77: return 10000;
    case 78: return 10001;
    case 79: return 10003;
    case 80: return 10008;
    case 81: return 10002;
    case 83: return 10005;
    case 84: return 10004;
    case 85: return 10006;
    case 86: return 10081;
    case 87: return 10021;
    case 88: return 10029;
    case 89: return 10007;
    case 128: return 932;
    case 129: return 949;
    case 130: return 1361;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254: return 437;
    case 255: return 850;
    default: return 0;
    }
}

char16_t symbolToUnicode(unsigned char byte)
{
    if (byte >= 0x20 && byte < 0x80)
        return SymbolLow[byte - 0x20];
    if (byte >= 0xA0)
        return SymbolHigh[byte - 0xA0];
    return byte == '\t' ? u'\t' : 0;
}

char16_t pictureFontToUnicode(unsigned char byte)
{
    switch (byte) {
    case '\t': return u'\t';
    case ' ': return u' ';
    case 0x6C: return 0x25CF; // filled circle
    case 0x6E: return 0x25A0; // filled square
    case 0x71: return 0x2751; // shadowed box
    case 0x76: return 0x2756; // diamond of diamonds
    case 0xA7: return 0x25AA; // small square
    case 0xD8: return 0x27A2; // arrowhead
    case 0xFC: return 0x2713; // check mark
    default: return byte < 0x20 ? 0 : 0x2022;
    }
}

CodePageDecoder::CodePageDecoder(int codePage) : m_codePage(codePage)
{
    fill1252(m_table);
    if (codePage != DefaultCodePage) {
        if (isMultiByteCodePage(codePage)) {
            m_multiByte = openConverter(codePage);
            if (!m_multiByte)
                m_codePage = DefaultCodePage;
        } else if (auto converter = openConverter(codePage)) {
            // Learn the upper half byte by byte; a byte the page leaves undefined shows nothing.
            for (int b = 0x80; b < 0x100; ++b) {
                converter->resetState();
                const char c = char(b);
                const QString s = (*converter)(QByteArrayView(&c, 1));
                m_table[b] = (s.size() == 1 && s[0] != QChar::ReplacementCharacter) ? s[0].unicode() : 0;
            }
        } else {
            m_codePage = DefaultCodePage;
        }
    }
    // Control bytes other than tab are never text.
    for (int b = 0; b < 0x20; ++b)
        if (b != '\t')
            m_table[b] = 0;
    m_table[0x7F] = 0;
}

void CodePageDecoder::decode(QByteArrayView bytes, QString &out)
{
    if (m_multiByte) {
        // Control characters are never text, whatever the converter makes of stray bytes.
        const QString decoded = (*m_multiByte)(bytes);
        for (const QChar c : decoded)
            if (c.unicode() >= 0x20 ? c.unicode() != 0x7F : c == u'\t')
                out += c;
        return;
    }
    const qsizetype start = out.size();
    out.resize(start + bytes.size());
    char16_t *dst = reinterpret_cast<char16_t *>(out.data()) + start;
    char16_t *const begin = dst;
    for (const char c : bytes) {
        const char16_t u = m_table[static_cast<unsigned char>(c)];
        if (u)
            *dst++ = u;
    }
    out.resize(start + (dst - begin));
}

void CodePageDecoder::reset()
{
    if (m_multiByte)
        m_multiByte->resetState();
}

CodePageDecoder &CodePages::decoder(int codePage)
{
    if (m_last && m_lastRequested == codePage)
        return *m_last;
    // A document names a handful of code pages; a stream of made-up ones must not cost a converter
    // lookup each, so past a few the default serves.
    constexpr std::size_t MaxDecoders = 16;
    auto found = m_decoders.find(codePage);
    if (found == m_decoders.end()) {
        if (m_decoders.size() >= MaxDecoders && codePage != DefaultCodePage)
            return decoder(DefaultCodePage);
        found = m_decoders.emplace(codePage, std::make_unique<CodePageDecoder>(codePage)).first;
        if (found->second->isMultiByte())
            m_multiByte.push_back(found->second.get());
    }
    m_last = found->second.get();
    m_lastRequested = codePage;
    return *m_last;
}

} // namespace vireka::rtf
