#include "RtfTokenizer.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace vireka::rtf {

namespace {

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isTextByte(char c) { return c != '\\' && c != '{' && c != '}' && c != '\r' && c != '\n'; }

} // namespace

bool Tokenizer::next(Token &token)
{
    const qsizetype size = m_data.size();
    const char *d = m_data.data();
    while (m_pos < size) {
        const char c = d[m_pos];
        switch (c) {
        case '{':
            ++m_pos;
            token.type = TokenType::GroupOpen;
            return true;
        case '}':
            ++m_pos;
            token.type = TokenType::GroupClose;
            return true;
        case '\r':
        case '\n':
            ++m_pos;
            continue;
        case '\\':
            if (m_pos + 1 >= size) { // a lone backslash at the very end means nothing
                m_pos = size;
                return false;
            }
            readControl(token);
            if (token.type == TokenType::End)
                continue; // a malformed \' stands for nothing
            return true;
        default: {
            const qsizetype start = m_pos;
            while (m_pos < size && isTextByte(d[m_pos]))
                ++m_pos;
            token.type = TokenType::Text;
            token.text = m_data.sliced(start, m_pos - start);
            return true;
        }
        }
    }
    token.type = TokenType::End;
    return false;
}

void Tokenizer::readControl(Token &token)
{
    const char c = m_data[m_pos + 1];
    if (isLetter(c)) {
        ++m_pos;
        readWord(token);
        return;
    }
    m_pos += 2;
    if (c == '\'') {
        readHex(token);
        return;
    }
    token.type = TokenType::ControlSymbol;
    token.symbol = c;
}

void Tokenizer::readWord(Token &token)
{
    const qsizetype size = m_data.size();
    const char *d = m_data.data();
    const qsizetype start = m_pos;
    while (m_pos < size && isLetter(d[m_pos]))
        ++m_pos;
    // Overlong words are consumed whole so the reader stays in step, but never match a known word.
    const qsizetype length = m_pos - start;
    token.type = TokenType::ControlWord;
    token.text = m_data.sliced(start, length > MaxWordLength ? MaxWordLength + 1 : length);
    token.hasParam = false;
    token.param = 0;

    bool negative = false;
    if (m_pos + 1 < size && d[m_pos] == '-' && isDigit(d[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    if (m_pos < size && isDigit(d[m_pos])) {
        // Parameters are 32-bit signed; longer digit strings are consumed and clamped.
        constexpr std::int64_t limit = std::int64_t(std::numeric_limits<int>::max()) + 1;
        std::int64_t value = 0;
        while (m_pos < size && isDigit(d[m_pos])) {
            if (value < limit)
                value = value * 10 + (d[m_pos] - '0');
            ++m_pos;
        }
        if (negative)
            value = -value;
        if (value > std::numeric_limits<int>::max())
            value = std::numeric_limits<int>::max();
        if (value < std::numeric_limits<int>::min())
            value = std::numeric_limits<int>::min();
        token.param = int(value);
        token.hasParam = true;
    }
    if (m_pos < size && d[m_pos] == ' ')
        ++m_pos; // the delimiting space belongs to the control word

    if (token.text == "bin") {
        // Raw bytes follow; a count beyond the data just takes the rest.
        qsizetype count = token.hasParam && token.param > 0 ? token.param : 0;
        if (count > size - m_pos)
            count = size - m_pos;
        token.type = TokenType::Binary;
        token.text = m_data.sliced(m_pos, count);
        m_pos += count;
    }
}

void Tokenizer::readHex(Token &token)
{
    // The two characters after \' are the escape's, as word processors read it: when they are not
    // both hex digits the escape stands for nothing. Only a brace or backslash is left to be read.
    const qsizetype size = m_data.size();
    int value = 0;
    int taken = 0;
    bool hex = true;
    while (taken < 2 && m_pos < size) {
        const char c = m_data[m_pos];
        if (c == '\\' || c == '{' || c == '}')
            break;
        const int h = hexValue(c);
        hex = hex && h >= 0;
        value = value * 16 + std::max(h, 0);
        ++taken;
        ++m_pos;
    }
    if (taken < 2 || !hex) {
        token.type = TokenType::End;
        return;
    }
    token.type = TokenType::HexByte;
    token.byte = static_cast<unsigned char>(value);
}

} // namespace vireka::rtf
