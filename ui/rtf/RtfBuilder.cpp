#include "RtfBuilder.h"

#include "DocumentBudget.h"
#include "RtfFontFamilies.h"

#include <QChar>

#include <algorithm>
#include <utility>

namespace vireka::rtf {

namespace {

// Lengths beyond 22 inches are nonsense in a document and only upset the layout.
constexpr int MaxTwips = 31680;
constexpr int MaxFontNameBytes = 256;
constexpr int MaxTabStops = 64;

int clampTwips(int twips) { return std::clamp(twips, -MaxTwips, MaxTwips); }

} // namespace

Builder::Builder(QTextDocument &doc) : m_formats(m_tables, doc.defaultFont().styleStrategy()), m_writer(doc)
{
    m_stack.reserve(64);
    m_writer.setDefaultTabStop(twipsToPixels(720));
}

bool Builder::read(QByteArrayView data, DataEnd end)
{
    Tokenizer tokenizer(data);
    m_tokenizer = &tokenizer;
    Token token;
    while (tokenizer.next(token)) {
        switch (token.type) {
        case TokenType::GroupOpen:
            m_fallbackLeft = 0;
            openGroup();
            m_atGroupStart = true;
            continue;
        case TokenType::GroupClose:
            m_fallbackLeft = 0;
            m_atGroupStart = m_ignorable = false;
            if (closeGroup())
                return true;
            continue;
        default:
            break;
        }
        const bool atGroupStart = std::exchange(m_atGroupStart, false);
        const bool ignorable = std::exchange(m_ignorable, false);
        if (m_stack.empty() || m_uncountedDepth > 0 || state().destination == Destination::Skip)
            continue;
        if (m_fallbackLeft > 0) {
            // Skip what stands in for the last \u: each byte, escape or control word counts one.
            if (token.type != TokenType::Text) {
                --m_fallbackLeft;
                continue;
            }
            const qsizetype skipped = std::min<qsizetype>(m_fallbackLeft, token.text.size());
            m_fallbackLeft -= int(skipped);
            token.text = token.text.sliced(skipped);
            if (token.text.isEmpty())
                continue;
        }
        switch (token.type) {
        case TokenType::ControlWord:
            handleWord(token, atGroupStart, ignorable);
            break;
        case TokenType::ControlSymbol:
            // \* marks the group's destination as one to skip when its word is unknown; anywhere
            // but at the start of a group it means nothing.
            if (token.symbol == '*')
                m_ignorable = atGroupStart;
            else
                handleSymbol(token.symbol);
            break;
        case TokenType::HexByte:
            handleHexByte(token.byte);
            break;
        case TokenType::Text:
            handleText(token.text);
            break;
        default: // binary data is never shown
            break;
        }
        if (m_writer.paragraphIsFull())
            m_cut = true;
        if (m_cut)
            return skimToEnd(tokenizer, end);
    }
    // Truncated: keep what was read, but report the failure, unless the file was cut on purpose.
    m_cut = m_cut || end == DataEnd::Cut;
    finish();
    return m_cut;
}

bool Builder::skimToEnd(Tokenizer &tokenizer, DataEnd end)
{
    // Only the braces matter now: the document must still close to be accepted.
    std::size_t depth = m_stack.size() + std::size_t(m_uncountedDepth);
    Token token;
    while (tokenizer.next(token)) {
        if (token.type == TokenType::GroupOpen) {
            ++depth;
        } else if (token.type == TokenType::GroupClose && --depth == 0) {
            finish();
            return true;
        }
    }
    finish();
    return end == DataEnd::Cut;
}

void Builder::openGroup()
{
    if (m_stack.empty()) {
        m_stack.emplace_back();
        return;
    }
    if (m_uncountedDepth > 0 || state().destination == Destination::Skip || m_stack.size() >= MaxDepth) {
        ++m_uncountedDepth;
        return;
    }
    m_stack.push_back(m_stack.back());
}

bool Builder::closeGroup()
{
    if (m_uncountedDepth > 0) {
        --m_uncountedDepth;
        return false;
    }
    if (m_stack.size() <= 1) {
        finish();
        return true;
    }
    if (state().destination == Destination::FontTable && m_fontOpen)
        commitFont(); // an entry closed by its brace instead of a semicolon
    const Destination closed = state().destination;
    m_stack.pop_back();
    if (state().destination != closed)
        leaveListGroup(closed);
    m_codePages.reset(); // a lead byte left at a group's end does not take the next group's text
    return false;
}

void Builder::finish()
{
    if (m_stack.empty())
        return;
    refreshFormatsIfNeeded();
    if (m_cut)
        m_writer.finishCut(m_formats.blockFormat(state().para), m_formats.charFormat(state().chars));
    else
        m_writer.finish(m_formats.blockFormat(state().para), m_formats.charFormat(state().chars));
}

void Builder::handleWord(const Token &token, bool atGroupStart, bool ignorable)
{
    const auto [word, group] = lookupWord(token.text);
    switch (group) {
    case WordGroup::None:
        if (ignorable)
            state().destination = Destination::Skip;
        return;
    case WordGroup::Destination:
        // A group to skip is named at its start (after \* if marked so): elsewhere, as a shape's
        // \sp after text, word processors ignore the word and show the rest of the group.
        if (word != Word::SkipDestination || atGroupStart || ignorable)
            destinationWord(word);
        return;
    case WordGroup::Document: documentWord(word, token.param, token.hasParam); return;
    case WordGroup::Note: noteWord(word, token.param); return;
    case WordGroup::Table: tableWord(word, token.param, token.hasParam); return;
    case WordGroup::List: listWord(word, token.param); return;
    case WordGroup::Character: characterWord(word, token.param, token.hasParam); return;
    case WordGroup::Paragraph: paragraphWord(word, token.param); return;
    case WordGroup::Text: textWord(word, token.param, token.hasParam); return;
    }
}

void Builder::destinationWord(Word word)
{
    switch (word) {
    case Word::AnsiTwin: state().destination = Destination::AnsiTwin; break;
    case Word::UnicodeTwin:
        if (state().destination == Destination::AnsiTwin)
            state().destination = Destination::Text;
        break;
    case Word::FontTable:
        state().destination = Destination::FontTable;
        m_fontOpen = false;
        break;
    case Word::ColorTable:
        state().destination = Destination::ColorTable;
        m_colorSet = false;
        m_red = m_green = m_blue = 0;
        break;
    case Word::SkipDestination: state().destination = Destination::Skip; break;
    case Word::ListNumberText:
        state().listNumber = true;
        m_numberWrittenOut = true;
        break;
    case Word::ListTable: state().destination = Destination::ListTable; break;
    case Word::ListOverrideTable: state().destination = Destination::ListOverrideTable; break;
    case Word::ListDefinition: enterListGroup(Destination::ListTable, Destination::ListDefinition); break;
    case Word::ListLevel: enterListGroup(Destination::ListDefinition, Destination::ListLevel); break;
    case Word::LevelText: enterListGroup(Destination::ListLevel, Destination::ListLevelText); break;
    case Word::ListOverride: enterListGroup(Destination::ListOverrideTable, Destination::ListOverride); break;
    default: break; // a destination whose text is shown
    }
}

// A part of the list table counts only inside the part that holds it: a \list group elsewhere, as
// some writers leave one in the text, is skipped whole.
void Builder::enterListGroup(Destination parent, Destination group)
{
    if (state().destination != parent) {
        state().destination = Destination::Skip;
        return;
    }
    state().destination = group;
    switch (group) {
    case Destination::ListDefinition: m_lists.beginList(); break;
    case Destination::ListLevel: m_lists.beginLevel(); break;
    case Destination::ListOverride: m_lists.beginOverride(); break;
    default: break;
    }
}

void Builder::leaveListGroup(Destination group)
{
    switch (group) {
    case Destination::ListDefinition: m_lists.endList(); break;
    case Destination::ListLevel: {
        // The level's font comes after its text; a bullet from a symbol font is known only now.
        const FontEntry *font = currentFont();
        m_lists.endLevel(font && font->encoding == FontEncoding::Picture ? pictureFontToUnicode : symbolToUnicode);
        break;
    }
    case Destination::ListOverride: m_lists.endOverride(); break;
    default: break;
    }
}

void Builder::listWord(Word word, int param)
{
    switch (state().destination) {
    case Destination::ListDefinition:
        if (word == Word::ListId)
            m_lists.setListId(param);
        return;
    case Destination::ListLevel:
        if (word == Word::LevelFormat)
            m_lists.setLevelFormat(param);
        else if (word == Word::LevelStart)
            m_lists.setLevelStart(param);
        else if (word == Word::LevelFollow)
            m_lists.setLevelFollow(param);
        return;
    case Destination::ListOverride:
        if (word == Word::ListId)
            m_lists.setOverrideList(param);
        else if (word == Word::ParagraphList)
            m_lists.setOverrideNumber(param);
        return;
    case Destination::Text:
        if (word == Word::ParagraphList)
            state().para.list = std::max(param, 0);
        else if (word == Word::ParagraphListLevel)
            state().para.listLevel = std::clamp(param, 0, ListNumbering::MaxLevels - 1);
        return;
    default:
        return;
    }
}

void Builder::documentWord(Word word, int param, bool hasParam)
{
    switch (word) {
    case Word::Ansi: m_docCodePage = DefaultCodePage; break;
    case Word::Mac: m_docCodePage = 10000; break;
    case Word::Pc: m_docCodePage = 437; break;
    case Word::Pca: m_docCodePage = 850; break;
    case Word::AnsiCodePage:
        if (param > 0 && param <= 65535)
            m_docCodePage = param;
        break;
    case Word::DefaultFont:
        if (hasParam) {
            m_defaultFont = param;
            state().chars.font = param; // text that never names a font uses the default one
        }
        break;
    case Word::DefaultTab:
        if (param > 0)
            m_writer.setDefaultTabStop(twipsToPixels(std::min(param, MaxTwips)));
        break;
    default:
        break;
    }
}

void Builder::tableWord(Word word, int param, bool hasParam)
{
    const int component = std::clamp(hasParam ? param : 0, 0, 255);
    switch (word) {
    case Word::FontNil: case Word::FontTech: m_fontHint = QFont::AnyStyle; break;
    case Word::FontRoman: m_fontHint = QFont::Serif; break;
    case Word::FontSwiss: m_fontHint = QFont::SansSerif; break;
    case Word::FontModern: m_fontHint = QFont::TypeWriter; break;
    case Word::FontScript: m_fontHint = QFont::Cursive; break;
    case Word::FontDecor: m_fontHint = QFont::Decorative; break;
    case Word::FontCharset: m_fontCharset = param; break;
    case Word::FontCodePage: m_fontCodePage = param > 0 && param <= 65535 ? param : 0; break;
    case Word::Red: m_red = component; m_colorSet = true; break;
    case Word::Green: m_green = component; m_colorSet = true; break;
    case Word::Blue: m_blue = component; m_colorSet = true; break;
    default: break;
    }
}

void Builder::characterWord(Word word, int param, bool hasParam)
{
    GroupState &s = state();
    CharState &c = s.chars;
    const bool on = !hasParam || param != 0;
    switch (word) {
    case Word::Font:
        if (s.destination == Destination::FontTable)
            startFont(hasParam ? param : 0);
        else
            c.font = hasParam ? param : m_defaultFont;
        break;
    case Word::Plain:
        c = CharState();
        c.font = m_defaultFont;
        s.hidden = false;
        break;
    case Word::FontSize: c.halfPoints = hasParam && param > 0 ? param : DefaultHalfPoints; break;
    case Word::Bold: c.bold = on; break;
    case Word::Italic: c.italic = on; break;
    case Word::Underline: c.underline = on; break;
    case Word::UnderlineNone: c.underline = false; break;
    case Word::Strike: c.strike = on; break;
    case Word::Hidden: s.hidden = on; break;
    case Word::Caps: c.caps = on; break;
    case Word::SmallCaps: c.smallCaps = on; break;
    case Word::Super: c.vertical = 1; break;
    case Word::Sub: c.vertical = -1; break;
    case Word::NoSuperSub: c.vertical = 0; break;
    case Word::Up: c.vertical = on ? 1 : 0; break;
    case Word::Down: c.vertical = on ? -1 : 0; break;
    case Word::Color: c.color = std::max(param, 0); break;
    case Word::UnicodeSkip: s.unicodeSkip = std::clamp(param, 0, 1000); break;
    default: break;
    }
}

void Builder::paragraphWord(Word word, int param)
{
    ParaState &p = state().para;
    switch (word) {
    case Word::Pard: p = ParaState(); break;
    case Word::AlignLeft: p.alignment = Qt::AlignLeft; break;
    case Word::AlignCenter: p.alignment = Qt::AlignHCenter; break;
    case Word::AlignRight: p.alignment = Qt::AlignRight; break;
    case Word::AlignJustify: p.alignment = Qt::AlignJustify; break;
    case Word::LeftIndent: p.leftIndent = clampTwips(param); break;
    case Word::RightIndent: p.rightIndent = clampTwips(param); break;
    case Word::FirstIndent: p.firstIndent = clampTwips(param); break;
    case Word::SpaceBefore: p.spaceBefore = std::clamp(param, 0, MaxTwips); break;
    case Word::SpaceAfter: p.spaceAfter = std::clamp(param, 0, MaxTwips); break;
    case Word::LineSpacing: p.lineSpacing = clampTwips(param); break;
    case Word::LineMultiple: p.lineMultiple = param != 0; break;
    case Word::TabRight: p.nextTabType = QTextOption::RightTab; break;
    case Word::TabCenter: p.nextTabType = QTextOption::CenterTab; break;
    case Word::TabDecimal: p.nextTabType = QTextOption::DelimiterTab; break;
    case Word::TabStop:
        if (p.tabs.size() < MaxTabStops && param >= 0) {
            const QChar delimiter = p.nextTabType == QTextOption::DelimiterTab ? QChar(u'.') : QChar();
            p.tabs.append(QTextOption::Tab(twipsToPixels(std::min(param, MaxTwips)), p.nextTabType, delimiter));
        }
        p.nextTabType = QTextOption::LeftTab;
        break;
    default:
        break;
    }
}

void Builder::textWord(Word word, int param, bool hasParam)
{
    if (word == Word::Unicode) {
        // Read in the tables too, so that its fallback characters are skipped there as well.
        if (hasParam)
            handleUnicode(param);
        return;
    }
    if (!readsText())
        return;
    switch (word) {
    case Word::Par: case Word::Cell: endParagraph(); return;
    case Word::Row:
        // Each cell is a paragraph of its own; the row's end adds none after the last cell.
        if (!m_writer.paragraphIsEmpty())
            endParagraph();
        return;
    case Word::Line: emitChar(QChar::LineSeparator); return;
    case Word::Tab: emitChar(u'\t'); return;
    case Word::EnDash: emitChar(0x2013); return;
    case Word::EmDash: emitChar(0x2014); return;
    case Word::Bullet: emitChar(0x2022); return;
    case Word::LeftQuote: emitChar(0x2018); return;
    case Word::RightQuote: emitChar(0x2019); return;
    case Word::LeftDoubleQuote: emitChar(0x201C); return;
    case Word::RightDoubleQuote: emitChar(0x201D); return;
    case Word::EmSpace: emitChar(0x2003); return;
    case Word::EnSpace: emitChar(0x2002); return;
    case Word::QuarterEmSpace: emitChar(0x2005); return;
    case Word::ZeroWidthJoiner: emitChar(0x200D); return;
    case Word::ZeroWidthNonJoiner: emitChar(0x200C); return;
    case Word::LeftToRightMark: emitChar(0x200E); return;
    case Word::RightToLeftMark: emitChar(0x200F); return;
    case Word::NoteMark: noteMark(); return;
    default: return;
    }
}

void Builder::noteWord(Word word, int param)
{
    switch (word) {
    case Word::FootnoteArabic: m_footnotes.numbering = NoteNumbering::Arabic; break;
    case Word::FootnoteLowerAlpha: m_footnotes.numbering = NoteNumbering::LowerAlpha; break;
    case Word::FootnoteUpperAlpha: m_footnotes.numbering = NoteNumbering::UpperAlpha; break;
    case Word::FootnoteLowerRoman: m_footnotes.numbering = NoteNumbering::LowerRoman; break;
    case Word::FootnoteUpperRoman: m_footnotes.numbering = NoteNumbering::UpperRoman; break;
    case Word::FootnoteStart: m_footnotes.next = std::max(param, 1); break;
    case Word::EndnoteArabic: m_endnotes.numbering = NoteNumbering::Arabic; break;
    case Word::EndnoteLowerAlpha: m_endnotes.numbering = NoteNumbering::LowerAlpha; break;
    case Word::EndnoteUpperAlpha: m_endnotes.numbering = NoteNumbering::UpperAlpha; break;
    case Word::EndnoteLowerRoman: m_endnotes.numbering = NoteNumbering::LowerRoman; break;
    case Word::EndnoteUpperRoman: m_endnotes.numbering = NoteNumbering::UpperRoman; break;
    case Word::EndnoteStart: m_endnotes.next = std::max(param, 1); break;
    default: break;
    }
}

void Builder::noteMark()
{
    // The mark comes before its note; whether that is an endnote (\ftnalt) shows a few tokens on.
    bool endnote = false;
    if (m_tokenizer) {
        Tokenizer ahead = *m_tokenizer;
        Token token;
        for (int i = 0; i < 4 && ahead.next(token); ++i) {
            if (token.type == TokenType::ControlWord && token.text == "ftnalt") {
                endnote = true;
                break;
            }
            if (token.type == TokenType::Text || token.type == TokenType::GroupClose)
                break;
        }
    }
    const QString text = endnote ? m_endnotes.take() : m_footnotes.take();
    for (const QChar c : text)
        emitChar(c.unicode());
}

void Builder::handleSymbol(char symbol)
{
    switch (symbol) {
    case '~': emitChar(0x00A0); return;
    case '-': emitChar(0x00AD); return;
    case '_': emitChar(0x2011); return;
    case '\r': case '\n': // a backslash before a source line break is a paragraph mark
        if (readsText())
            endParagraph();
        return;
    case '\\': case '{': case '}':
        handleText(QByteArrayView(&symbol, 1));
        return;
    default: // \| \: and unknown symbols
        return;
    }
}

void Builder::handleText(QByteArrayView bytes)
{
    switch (state().destination) {
    case Destination::Text: emitBytes(bytes); return;
    case Destination::FontTable: fontTableText(bytes); return;
    case Destination::ColorTable: colorTableText(bytes); return;
    case Destination::ListLevelText: levelText(bytes); return;
    default: // the \ud group gives an \upr's text again in Unicode; the rest holds no text
        return;
    }
}

void Builder::handleHexByte(unsigned char byte)
{
    const char c = char(byte);
    const QByteArrayView bytes(&c, 1);
    // An escaped ; is a name character, not the end of a table entry.
    if (state().destination == Destination::FontTable) {
        m_fontOpen = true;
        if (m_fontName.size() < MaxFontNameBytes)
            m_fontName.append(c);
        return;
    }
    if (state().destination == Destination::Text)
        emitBytes(bytes);
    else if (state().destination == Destination::ListLevelText)
        levelText(bytes);
}

void Builder::handleUnicode(int value)
{
    m_fallbackLeft = state().unicodeSkip;
    if (value < 0)
        value += 65536;
    if (state().destination == Destination::ListLevelText) {
        if (value > 0 && value <= 0xFFFF)
            m_lists.appendLevelText(QChar(char16_t(value)));
        return;
    }
    if (value <= 0 || value > 0x10FFFF || !readsText() || state().hidden)
        return;
    const FontEntry *font = currentFont();
    if (font && font->encoding != FontEncoding::CodePage && value >= 0xF000 && value <= 0xF0FF) {
        // Symbol fonts' bytes moved into the private use area; show them as the byte would be.
        const char byte = char(value & 0xFF);
        emitBytes(QByteArrayView(&byte, 1));
        return;
    }
    if (value < 0x20 && value != '\t')
        return;
    if (value == QChar::ParagraphSeparator || value == 0xFDD0 || value == 0xFDD1)
        return; // would split or corrupt the document's block structure
    QString &out = textBuffer();
    if (QChar::requiresSurrogates(char32_t(value))) {
        out += QChar(QChar::highSurrogate(char32_t(value)));
        out += QChar(QChar::lowSurrogate(char32_t(value)));
    } else {
        out += QChar(char16_t(value));
    }
}

QString &Builder::textBuffer()
{
    if (!m_paragraphNumbered && !state().listNumber)
        numberParagraph();
    refreshFormatsIfNeeded();
    return m_writer.textFor(m_formats.charFormat(state().chars));
}

const FontEntry *Builder::currentFont()
{
    const int number = state().chars.font;
    if (number != m_lastFontNumber || m_tablesChanged) {
        refreshFormatsIfNeeded();
        const auto found = m_tables.fonts.constFind(number);
        m_lastFont = found == m_tables.fonts.cend() ? nullptr : &*found;
        m_lastFontNumber = number;
    }
    return m_lastFont;
}

void Builder::emitBytes(QByteArrayView bytes)
{
    if (state().hidden)
        return;
    const FontEntry *font = currentFont();
    QString &out = textBuffer();
    if (!font || font->encoding == FontEncoding::CodePage) {
        m_codePages.decoder(font && font->codePage ? font->codePage : m_docCodePage).decode(bytes, out);
        return;
    }
    const bool symbol = font->encoding == FontEncoding::Symbol;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        const char16_t u = symbol ? symbolToUnicode(b) : pictureFontToUnicode(b);
        if (u)
            out += QChar(u);
    }
}

void Builder::emitChar(char16_t c)
{
    if (!readsText() || state().hidden)
        return;
    textBuffer() += QChar(c);
}

void Builder::endParagraph()
{
    if (m_writer.blockCount() >= MaxDocumentBlocks) {
        m_cut = true;
        return;
    }
    if (!m_paragraphNumbered)
        numberParagraph(); // an empty list paragraph still shows its number
    m_codePages.reset(); // nor does one left at a paragraph's end
    refreshFormatsIfNeeded();
    m_writer.endParagraph(m_formats.blockFormat(state().para), m_formats.charFormat(state().chars));
    m_paragraphNumbered = m_numberWrittenOut = false;
}

// Counts a list paragraph in its list, when its first text comes, and writes its number before
// that text unless the file wrote the number out itself.
void Builder::numberParagraph()
{
    m_paragraphNumbered = true;
    const ParaState &para = state().para;
    if (para.list == 0)
        return;
    const QString number = m_lists.next(para.list, para.listLevel);
    if (m_numberWrittenOut || number.isEmpty())
        return;
    refreshFormatsIfNeeded();
    m_writer.textFor(m_formats.charFormat(state().chars)) += number;
}

void Builder::levelText(QByteArrayView bytes)
{
    // The length and the level numbers' places are control bytes; the rest is text in the
    // document's code page.
    constexpr unsigned char FirstText = 0x20;
    for (qsizetype start = 0; start < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[start]);
        if (byte < FirstText) {
            m_lists.appendLevelText(QChar(byte));
            ++start;
            continue;
        }
        qsizetype end = start;
        while (end < bytes.size() && static_cast<unsigned char>(bytes[end]) >= FirstText)
            ++end;
        QString text;
        m_codePages.decoder(m_docCodePage).decode(bytes.sliced(start, end - start), text);
        for (const QChar c : text)
            m_lists.appendLevelText(c);
        start = end;
    }
}

void Builder::refreshFormatsIfNeeded()
{
    if (!m_tablesChanged && !m_formats.tooManyCharFormats())
        return;
    m_writer.releaseFormat();
    m_formats.clearCharFormats();
    m_lastFontNumber = -1;
    m_lastFont = nullptr;
    m_tablesChanged = false;
}

void Builder::fontTableText(QByteArrayView bytes)
{
    for (const char c : bytes) {
        if (c == ';') {
            commitFont();
        } else if (m_fontName.size() < MaxFontNameBytes) {
            m_fontOpen = true;
            m_fontName.append(c);
        }
    }
}

void Builder::startFont(int number)
{
    if (m_fontOpen && !m_fontName.isEmpty())
        commitFont();
    m_fontOpen = true;
    m_fontNumber = number;
    m_fontCharset = 0;
    m_fontCodePage = 0;
    m_fontHint = QFont::AnyStyle;
    m_fontName.clear();
}

void Builder::commitFont()
{
    if (!m_fontOpen)
        return;
    FontEntry entry;
    entry.hint = m_fontHint;
    entry.codePage = m_fontCodePage ? m_fontCodePage : codePageForCharset(m_fontCharset);
    QString name;
    m_codePages.decoder(entry.codePage ? entry.codePage : m_docCodePage).decode(m_fontName, name);
    entry.name = name.trimmed();
    entry.family = shownFamily(entry.name, entry.hint);
    const QString lower = entry.name.toLower();
    if (lower.startsWith(u"symbol"))
        entry.encoding = FontEncoding::Symbol;
    else if (m_fontCharset == 2 || lower.contains(u"wingdings") || lower.contains(u"webdings")
             || lower.contains(u"dingbats"))
        entry.encoding = FontEncoding::Picture;
    m_tables.fonts.insert(m_fontNumber, entry);
    m_tablesChanged = true;
    m_fontOpen = false;
    m_fontName.clear();
}

void Builder::colorTableText(QByteArrayView bytes)
{
    for (const char c : bytes)
        if (c == ';')
            commitColor();
}

void Builder::commitColor()
{
    // An entry with no components is the automatic colour.
    m_tables.colors.append(m_colorSet ? QColor(m_red, m_green, m_blue) : QColor());
    m_red = m_green = m_blue = 0;
    m_colorSet = false;
    m_tablesChanged = true;
}

} // namespace vireka::rtf
