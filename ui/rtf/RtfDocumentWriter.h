#pragma once

#include "DocumentBudget.h"

#include <QString>
#include <QTextBlockFormat>
#include <QTextCursor>

class QTextCharFormat;
class QTextDocument;

namespace vireka::rtf {

// Writes runs and paragraphs into a QTextDocument. Text of one format is gathered and inserted in
// one call; undo is off and the whole load is one edit block, so the document does the least work.
class DocumentWriter
{
public:
    explicit DocumentWriter(QTextDocument &doc);
    ~DocumentWriter();
    DocumentWriter(const DocumentWriter &) = delete;
    DocumentWriter &operator=(const DocumentWriter &) = delete;

    void setDefaultTabStop(qreal pixels);

    // The buffer to append text of `format` to. `format` must outlive the next flush; runs are
    // told apart by its address.
    // Past MaxParagraphRuns runs in a paragraph the text keeps the current run's format.
    QString &textFor(const QTextCharFormat &format)
    {
        if (&format != m_format && (!m_format || m_runs < MaxParagraphRuns)) {
            flush();
            m_format = &format;
        }
        return m_text;
    }

    // Ends the current paragraph with `block`; `mark` sizes the paragraph when it holds no text.
    void endParagraph(const QTextBlockFormat &block, const QTextCharFormat &mark);
    // Formats the last paragraph, which has no paragraph mark of its own.
    void finish(const QTextBlockFormat &block, const QTextCharFormat &mark);
    // Formats the last paragraph read and adds the notice that the rest was left out.
    void finishCut(const QTextBlockFormat &block, const QTextCharFormat &mark);
    int blockCount() const { return m_blocks; }
    bool paragraphIsEmpty() const { return !m_blockHasText && m_text.isEmpty(); }
    // The paragraph holds MaxParagraphLength characters: what follows is left out.
    bool paragraphIsFull() const { return m_blockLength + m_text.size() >= MaxParagraphLength; }
    void flush();
    // Flushes and forgets the current format, before the formats it may point to go away.
    void releaseFormat()
    {
        flush();
        m_format = nullptr;
    }

private:
    void breakLongWords();
    void closeBlock(const QTextBlockFormat &block, const QTextCharFormat &mark);

    QTextDocument &m_doc;
    QTextCursor m_cursor;
    QString m_text;
    const QTextCharFormat *m_format = nullptr;
    QTextBlockFormat m_givenBlock; // the format the current paragraph was given as it began
    bool m_blockHasText = false;
    qsizetype m_blockLength = 0; // characters inserted into the current paragraph
    int m_runs = 0;              // runs inserted into the current paragraph
    int m_unbroken = 0;          // characters since the last place a line may break
    int m_blocks = 1;
    bool m_undoWasEnabled;
};

} // namespace vireka::rtf
