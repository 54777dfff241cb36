#pragma once

#include <QString>
#include <QTextCursor>

class QTextBlockFormat;
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
    QString &textFor(const QTextCharFormat &format)
    {
        if (&format != m_format) {
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
    void flush();
    // Flushes and forgets the current format, before the formats it may point to go away.
    void releaseFormat()
    {
        flush();
        m_format = nullptr;
    }

private:
    void closeBlock(const QTextBlockFormat &block, const QTextCharFormat &mark);

    QTextDocument &m_doc;
    QTextCursor m_cursor;
    QString m_text;
    const QTextCharFormat *m_format = nullptr;
    bool m_blockHasText = false;
    int m_blocks = 1;
    bool m_undoWasEnabled;
};

} // namespace vireka::rtf
