#pragma once

#include <QString>

#include <vector>

class QTextDocument;

namespace vireka {

// A document's text folded for matching that ignores case and accents ("Āsana" reads "asana"),
// with the document position of every folded character, so that a match can be shown where it is.
struct FoldedText {
    QString text;
    std::vector<int> positions;
};

// One match, as a range of document positions.
struct TextMatch {
    int start;
    int end;
};

// Folds a query or any text the same way a document is folded.
QString foldForMatching(const QString &text);
FoldedText foldDocument(const QTextDocument &document);

// Every match of `foldedQuery` (already folded) in `text`, in document order; none for an empty query.
std::vector<TextMatch> findAll(const FoldedText &text, const QString &foldedQuery);

} // namespace vireka
