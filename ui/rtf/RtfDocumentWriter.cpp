#include "RtfDocumentWriter.h"

#include "DocumentBudget.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextOption>

namespace vireka::rtf {

DocumentWriter::DocumentWriter(QTextDocument &doc)
    : m_doc(doc), m_undoWasEnabled(doc.isUndoRedoEnabled())
{
    m_doc.setUndoRedoEnabled(false);
    m_doc.clear();
    m_cursor = QTextCursor(&m_doc);
    m_cursor.beginEditBlock();
}

DocumentWriter::~DocumentWriter()
{
    flush();
    m_cursor.endEditBlock();
    m_doc.setUndoRedoEnabled(m_undoWasEnabled);
}

void DocumentWriter::setDefaultTabStop(qreal pixels)
{
    QTextOption option = m_doc.defaultTextOption();
    option.setTabStopDistance(pixels);
    m_doc.setDefaultTextOption(option);
}

void DocumentWriter::flush()
{
    if (m_text.isEmpty())
        return;
    breakLongWords();
    const qsizetype room = MaxParagraphLength - m_blockLength;
    if (m_text.size() > room) {
        m_text.truncate(room);
        if (!m_text.isEmpty() && m_text.back().isHighSurrogate())
            m_text.chop(1);
    }
    m_cursor.insertText(m_text, *m_format);
    m_blockLength += m_text.size();
    ++m_runs;
    m_text.resize(0); // keeps the capacity for the next run
    m_blockHasText = true;
}

void DocumentWriter::breakLongWords()
{
    constexpr QChar ZeroWidthSpace(0x200B);
    QString broken; // stays empty while no word needs a break
    for (qsizetype i = 0; i < m_text.size(); ++i) {
        const QChar c = m_text.at(i);
        if (!broken.isEmpty())
            broken += c;
        const bool mayBreak = c.isSpace() || c == u'-' || c == ZeroWidthSpace || c == QChar::SoftHyphen;
        m_unbroken = mayBreak ? 0 : m_unbroken + 1;
        if (m_unbroken >= MaxUnbrokenLength && !c.isHighSurrogate()) {
            if (broken.isEmpty())
                broken = m_text.first(i + 1);
            broken += ZeroWidthSpace;
            m_unbroken = 0;
        }
    }
    if (!broken.isEmpty())
        m_text = broken;
}

void DocumentWriter::closeBlock(const QTextBlockFormat &block, const QTextCharFormat &mark)
{
    flush();
    if (!m_blockHasText)
        m_cursor.setBlockCharFormat(mark);
    if (block != m_givenBlock)
        m_cursor.setBlockFormat(block);
}

void DocumentWriter::endParagraph(const QTextBlockFormat &block, const QTextCharFormat &mark)
{
    closeBlock(block, mark);
    // Most paragraphs look like the one before: the next starts with this one's format, which
    // spares setting it again at its end.
    m_cursor.insertBlock(block, mark);
    m_givenBlock = block;
    m_blockHasText = false;
    m_blockLength = 0;
    m_runs = 0;
    m_unbroken = 0;
    ++m_blocks;
}

void DocumentWriter::finish(const QTextBlockFormat &block, const QTextCharFormat &mark)
{
    closeBlock(block, mark);
}

void DocumentWriter::finishCut(const QTextBlockFormat &block, const QTextCharFormat &mark)
{
    endParagraph(block, mark);
    writeCutNotice(m_cursor);
}

} // namespace vireka::rtf
