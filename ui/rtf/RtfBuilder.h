#pragma once

#include "RtfCodePages.h"
#include "RtfControlWords.h"
#include "RtfDocumentWriter.h"
#include "RtfFormats.h"
#include "RtfLists.h"
#include "RtfNotes.h"
#include "RtfState.h"
#include "RtfTokenizer.h"

#include <QByteArray>

#include <vector>

class QTextDocument;

namespace vireka::rtf {

// Interprets the token stream: keeps the group states on an explicit stack, fills the font and
// colour tables and sends text and paragraphs to the document writer.
class Builder
{
public:
    // Groups deeper than this keep their parent's state and their text is dropped; only their
    // braces are counted, so any nesting costs constant memory.
    static constexpr std::size_t MaxDepth = 1000;

    explicit Builder(QTextDocument &doc);

    enum class DataEnd {
        Whole, // the data is the whole file: a document that does not close there is truncated
        Cut,   // the file goes on past the data: what was read is shown, cut, with the notice
    };

    // Reads a document that starts at its opening brace. True when the outermost group closes (or
    // the data was cut); whatever follows it is ignored.
    bool read(QByteArrayView data, DataEnd end = DataEnd::Whole);

private:
    GroupState &state() { return m_stack.back(); }
    bool readsText() { return m_uncountedDepth == 0 && state().destination == Destination::Text; }

    bool skimToEnd(Tokenizer &tokenizer, DataEnd end);
    void openGroup();
    bool closeGroup(); // true when the outermost group closed
    void handleWord(const Token &token, bool atGroupStart, bool ignorable);
    void handleSymbol(char symbol);
    void handleText(QByteArrayView bytes);
    void handleHexByte(unsigned char byte);
    void handleUnicode(int value);

    void destinationWord(Word word);
    void documentWord(Word word, int param, bool hasParam);
    void tableWord(Word word, int param, bool hasParam);
    void listWord(Word word, int param);
    void enterListGroup(Destination parent, Destination group);
    void leaveListGroup(Destination group);
    void levelText(QByteArrayView bytes);
    void numberParagraph();
    void characterWord(Word word, int param, bool hasParam);
    void paragraphWord(Word word, int param);
    void textWord(Word word, int param, bool hasParam);
    void noteWord(Word word, int param);
    void noteMark();

    void emitBytes(QByteArrayView bytes);
    void emitChar(char16_t c);
    QString &textBuffer();
    const FontEntry *currentFont();
    void endParagraph();
    void finish();
    void refreshFormatsIfNeeded();

    void fontTableText(QByteArrayView bytes);
    void colorTableText(QByteArrayView bytes);
    void startFont(int number);
    void commitFont();
    void commitColor();

    DocumentTables m_tables;
    FormatCache m_formats;
    DocumentWriter m_writer;
    CodePages m_codePages;

    const Tokenizer *m_tokenizer = nullptr; // to look ahead from a note mark
    NoteCounter m_footnotes{NoteNumbering::Arabic};
    NoteCounter m_endnotes{NoteNumbering::LowerRoman};
    ListNumbering m_lists;
    bool m_paragraphNumbered = false; // the paragraph's list number is decided
    bool m_numberWrittenOut = false;  // the file gave the paragraph's number (\listtext)

    std::vector<GroupState> m_stack;
    int m_uncountedDepth = 0;  // open groups inside a skipped group or past MaxDepth
    int m_fallbackLeft = 0;    // \u fallback characters still to skip
    bool m_atGroupStart = false; // no token yet in the group just opened
    bool m_ignorable = false;    // the group began with \*
    int m_docCodePage = DefaultCodePage;
    int m_defaultFont = 0;
    bool m_tablesChanged = false;
    bool m_cut = false; // the paragraph budget is spent: the rest is not built

    // Font number and entry of the text last written.
    int m_lastFontNumber = -1;
    const FontEntry *m_lastFont = nullptr;

    // The font table entry being read.
    bool m_fontOpen = false;
    int m_fontNumber = 0;
    int m_fontCharset = 0;
    int m_fontCodePage = 0;
    QFont::StyleHint m_fontHint = QFont::AnyStyle;
    QByteArray m_fontName;

    // The colour table entry being read.
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colorSet = false;
};

} // namespace vireka::rtf
