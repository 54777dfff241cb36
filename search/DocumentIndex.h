#pragma once

#include "FoldedText.h"

#include <QString>

#include <vector>

namespace vireka {

// Where a document is shown: the screen that shows it and, where a link or menu command loads it,
// that control; without one the screen shows it as it opens.
struct DocumentPlace {
    const char *screen;
    const char *control; // null: shown as the screen opens
    QString source;      // "\Pranayama.rtf" in the program folder, or a stored text's resource path
    const char *area;
};

// Every document the program shows and every stored text, read through the program's own RTF reader
// and folded for matching, so that what is found is what is shown.
struct IndexedDocument {
    DocumentPlace place;
    QString title;   // its first heading
    QString where;   // the section and link that show it: "Instructions: PRANAYAMA"
    QString text;    // its text, one character for each document position
    FoldedText folded;
};

// One document's hits.
struct SearchHit {
    const IndexedDocument *document;
    int count;
    TextMatch first;
};

// Every place the program shows a document, in the order of its screens; each document once.
std::vector<DocumentPlace> documentPlaces();

class DocumentIndex {
public:
    // Reads every document from the program folder (the current directory). A document that is
    // missing or unreadable is left out.
    void build();
    bool built() const { return m_built; }
    const std::vector<IndexedDocument> &documents() const { return m_documents; }

    // The documents that hold `query`, most hits first.
    std::vector<SearchHit> search(const QString &query) const;

private:
    std::vector<IndexedDocument> m_documents;
    bool m_built = false;
};

// A line of context around a hit, the matched words in bold, as rich text.
QString contextLine(const IndexedDocument &document, const TextMatch &match);

} // namespace vireka
