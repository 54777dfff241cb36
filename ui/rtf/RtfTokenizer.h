#pragma once

#include <QByteArrayView>

namespace vireka::rtf {

enum class TokenType {
    End,
    GroupOpen,
    GroupClose,
    ControlWord,   // word (letters only, at most 32 of them), optional parameter
    ControlSymbol, // symbol: the character after the backslash (not a letter, not ')
    HexByte,       // \'hh: byte
    Text,          // text: a run of plain bytes, never containing \ { } CR or LF
    Binary,        // \binN: text holds the raw bytes (clamped to what is left)
};

struct Token {
    TokenType type = TokenType::End;
    QByteArrayView text;   // control word name, plain text run or binary data
    int param = 0;         // control word parameter, clamped to 32-bit signed
    bool hasParam = false;
    char symbol = 0;
    unsigned char byte = 0;
};

// Splits RTF bytes into tokens. Source line breaks are dropped here: in RTF they carry no text.
class Tokenizer
{
public:
    static constexpr int MaxWordLength = 32;

    explicit Tokenizer(QByteArrayView data) : m_data(data) {}

    // Fills `token` and returns true, or returns false at the end of the data.
    bool next(Token &token);

    qsizetype position() const { return m_pos; }

private:
    void readControl(Token &token);
    void readWord(Token &token);
    void readHex(Token &token);

    QByteArrayView m_data;
    qsizetype m_pos = 0;
};

} // namespace vireka::rtf
