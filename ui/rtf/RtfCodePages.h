#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <array>
#include <memory>
#include <unordered_map>
#include <vector>

namespace vireka::rtf {

constexpr int DefaultCodePage = 1252;

// The code page a font's \fcharset selects, or 0 when it selects none of its own (ANSI, default,
// symbol and unknown sets use the document's code page).
int codePageForCharset(int charset);

// Unicode for a byte of the Symbol font; 0 for positions the font leaves empty.
char16_t symbolToUnicode(unsigned char byte);

// Unicode for a byte of a picture font (Wingdings and the like). Such fonts in documents are nearly
// always list bullets, so the common ones get their look-alikes and the rest a plain bullet.
char16_t pictureFontToUnicode(unsigned char byte);

// Decodes bytes in one code page. Single-byte pages go through a 256-entry table; multi-byte pages
// go through a stateful converter so that a lead byte and its trail byte may arrive separately.
class CodePageDecoder
{
public:
    explicit CodePageDecoder(int codePage);

    int codePage() const { return m_codePage; }
    bool isMultiByte() const { return m_multiByte != nullptr; }
    void decode(QByteArrayView bytes, QString &out);
    // Forgets a half-received multi-byte character.
    void reset();

private:
    int m_codePage;
    std::array<char16_t, 256> m_table{}; // 0 = byte shows nothing
    std::unique_ptr<QStringDecoder> m_multiByte;
};

// Hands out one decoder per code page, made on first use.
class CodePages
{
public:
    CodePageDecoder &decoder(int codePage);
    // Forgets every half-received multi-byte character.
    void reset()
    {
        for (CodePageDecoder *d : m_multiByte)
            d->reset();
    }

private:
    std::unordered_map<int, std::unique_ptr<CodePageDecoder>> m_decoders;
    std::vector<CodePageDecoder *> m_multiByte;
    CodePageDecoder *m_last = nullptr;
    int m_lastRequested = 0;
};

} // namespace vireka::rtf
