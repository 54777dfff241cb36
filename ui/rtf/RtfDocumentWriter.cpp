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
    m_cursor.insertText(m_text, *m_format);
    m_text.resize(0); // keeps the capacity for the next run
    m_blockHasText = true;
}

void DocumentWriter::closeBlock(const QTextBlockFormat &block, const QTextCharFormat &mark)
{
    flush();
    if (!m_blockHasText)
        m_cursor.setBlockCharFormat(mark);
    m_cursor.setBlockFormat(block);
}

void DocumentWriter::endParagraph(const QTextBlockFormat &block, const QTextCharFormat &mark)
{
    closeBlock(block, mark);
    m_cursor.insertBlock();
    m_blockHasText = false;
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
