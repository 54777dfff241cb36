#pragma once

#include <QPointer>
#include <QTextEdit>

#include <functional>

namespace vireka {

// The read-only rich-text area that shows the program's documents. It owns one document at a time:
// showing a new one destroys the one it replaces.
class DocumentArea : public QTextEdit {
    Q_OBJECT
public:
    explicit DocumentArea(QWidget *parent);

    // Reads a shown document again into a fresh one; false when it can no longer be read.
    using DocumentSource = std::function<bool(QTextDocument &)>;

    // Replaces what the area shows with `document` (which the area takes over), from its top.
    // `source` reads it again, for when the area's bounds cut it and a smaller zoom has room for more.
    void showDocument(QTextDocument *document, DocumentSource source = {});
    const DocumentSource &documentSource() const { return m_source; }
    // The area's bounds cut the shown document or closed up its spacing.
    bool documentWasFitted() const { return m_fitted; }
    // A document made for this area, not yet shown: its fonts fall back to the area's own.
    QTextDocument *newDocument();
    // Empties the area.
    void clearDocument();

    // The size its documents are shown at, in percent of their design (see DocumentZoom).
    int zoomPercent() const { return m_zoom; }
    void setZoomPercent(int percent) { m_zoom = percent; }
    // Hands the shown document over to the caller, leaving the area empty.
    QTextDocument *takeDocument();

signals:
    // A document was shown or the area emptied.
    void documentShown();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void install(QTextDocument *document);

    // The document given while the area was still hidden, as a screen is built: it is laid out
    // once, when the area is first shown at its final size, and not at all if another replaces it
    // first. Laying it out at once would cost up to three passes (on the area's first size, again
    // on its own size, again when its scroll area settles).
    QPointer<QTextDocument> m_waiting;
    DocumentSource m_source;
    bool m_fitted = false;
    int m_zoom = 100;
};

// Loads the RTF file at the current directory followed directly by `name` (which begins with a
// backslash, turned into the platform's separator). Every failure is ignored: the area then keeps
// what it showed.
void LoadDocument(DocumentArea &area, const QString &name);

// Empties the area.
void ClearDocument(DocumentArea &area);

// Shows a document built into the program, such as a page's first text; a missing one shows nothing.
void showStoredDocument(DocumentArea &area, const QString &resourcePath);

} // namespace vireka
