#include "DocumentArea.h"

#include "DocumentZoom.h"
#include "ProgramFile.h"
#include "SunkenEdge.h"
#include "rtf/RtfReader.h"

#include <QFile>
#include <QPointer>
#include <QScrollBar>
#include <QTextDocument>

#include <memory>

namespace vireka {

DocumentArea::DocumentArea(QWidget *parent) : QTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setSunkenEdge(this);
    setFocusPolicy(Qt::StrongFocus);
    setUndoRedoEnabled(false);
    setTabChangesFocus(true);
}

QTextDocument *DocumentArea::newDocument()
{
    auto *document = new QTextDocument();
    document->setUndoRedoEnabled(false);
    document->setDefaultFont(font());
    return document;
}

void DocumentArea::showDocument(QTextDocument *document, DocumentSource source)
{
    zoomDocument(*document, m_zoom);
    m_fitted = fitDocumentHeight(*document, contentsRect().width() - verticalScrollBar()->sizeHint().width());
    m_source = std::move(source);
    document->setParent(this);
    delete m_waiting;
    if (!isVisible()) {
        m_waiting = document;
        return;
    }
    install(document);
}

void DocumentArea::clearDocument()
{
    delete m_waiting;
    m_source = {};
    m_fitted = false;
    setPlainText(QString());
    emit documentShown();
}

QTextDocument *DocumentArea::takeDocument()
{
    QTextDocument *shown = document();
    if (shown->parent() != this)
        return nullptr;
    QTextDocument *empty = newDocument();
    empty->setParent(this);
    setDocument(empty);
    return shown;
}

void DocumentArea::showEvent(QShowEvent *event)
{
    QTextEdit::showEvent(event);
    if (m_waiting)
        install(m_waiting);
    m_waiting = nullptr;
}

void DocumentArea::install(QTextDocument *document)
{
    // The editor deletes only the document it made itself, never one it was handed, so the area
    // does: otherwise every load would keep the previous document alive until the screen closes.
    const QPointer<QTextDocument> previous = this->document();
    // Highlights hold cursors into the document they were made for, which may go below.
    setExtraSelections({});
    setDocument(document);
    if (previous && previous != document && previous->parent() == this)
        delete previous;
    moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    emit documentShown();
}

void LoadDocument(DocumentArea &area, const QString &name)
{
    // The one place where a document load's failures are ignored: a missing, unreadable or
    // malformed file leaves the area as it was, and nothing is reported.
    try {
        std::unique_ptr<QTextDocument> document(area.newDocument());
        const QString path = programFilePath(name);
        if (readRtfFile(path, *document))
            area.showDocument(document.release(), [path](QTextDocument &again) { return readRtfFile(path, again); });
    } catch (...) {
    }
}

void ClearDocument(DocumentArea &area)
{
    area.clearDocument();
}

void showStoredDocument(DocumentArea &area, const QString &resourcePath)
{
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray stored = file.readAll();
    std::unique_ptr<QTextDocument> document(area.newDocument());
    if (readRtf(stored, *document))
        area.showDocument(document.release(), [stored](QTextDocument &again) { return readRtf(stored, again); });
}

} // namespace vireka
