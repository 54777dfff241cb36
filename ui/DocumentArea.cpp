#include "DocumentArea.h"

#include "ProgramFile.h"
#include "rtf/RtfReader.h"

#include <QFile>
#include <QScrollBar>
#include <QTextDocument>

namespace vireka {

DocumentArea::DocumentArea(QWidget *parent) : QTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setUndoRedoEnabled(false);
    setTabChangesFocus(true);
}

QTextDocument *DocumentArea::newDocument()
{
    auto *document = new QTextDocument(this);
    document->setUndoRedoEnabled(false);
    document->setDefaultFont(font());
    return document;
}

void DocumentArea::showDocument(QTextDocument *document)
{
    fitDocumentHeight(*document, contentsRect().width() - verticalScrollBar()->sizeHint().width());
    // The area deletes the document it replaces when it made that document itself.
    setDocument(document);
    moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
}

void LoadDocument(DocumentArea *area, const QString &name)
{
    // The one place where a document load's failures are ignored: a missing, unreadable or
    // malformed file leaves the area as it was, and nothing is reported.
    if (!area)
        return;
    QTextDocument *document = nullptr;
    try {
        document = area->newDocument();
        if (readRtfFile(programFilePath(name), *document)) {
            area->showDocument(document);
            return;
        }
    } catch (...) {
    }
    delete document;
}

void ClearDocument(DocumentArea *area)
{
    if (area)
        area->setPlainText(QString());
}

void showStoredDocument(DocumentArea *area, const QString &resourcePath)
{
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QTextDocument *document = area->newDocument();
    if (readRtf(file.readAll(), *document))
        area->showDocument(document);
    else
        delete document;
}

} // namespace vireka
