#include "FoldedText.h"

#include <QTextBlock>
#include <QTextDocument>

namespace vireka {

namespace {

// Appends `c` folded: its base letters without the accents that decompose off it, in case-folded form.
template <class Append>
void foldCharacter(QChar c, Append append)
{
    if (c.unicode() < 0x80) {
        append(c.toLower());
        return;
    }
    if (c == QChar::Nbsp) {
        append(QLatin1Char(' '));
        return;
    }
    const QString decomposed = QString(c).normalized(QString::NormalizationForm_KD);
    for (const QChar part : decomposed) {
        if (part.category() == QChar::Mark_NonSpacing || part.category() == QChar::Mark_SpacingCombining ||
            part.category() == QChar::Mark_Enclosing)
            continue;
        for (const QChar folded : QString(part).toCaseFolded())
            append(folded);
    }
}

} // namespace

QString foldForMatching(const QString &text)
{
    QString folded;
    folded.reserve(text.size());
    for (const QChar c : text)
        foldCharacter(c, [&](QChar f) { folded.append(f); });
    return folded;
}

FoldedText foldDocument(const QTextDocument &document)
{
    FoldedText result;
    result.text.reserve(document.characterCount());
    result.positions.reserve(size_t(document.characterCount()));
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        const int start = block.position();
        for (int i = 0; i < text.size(); ++i)
            foldCharacter(text.at(i), [&](QChar f) {
                result.text.append(f);
                result.positions.push_back(start + i);
            });
        // Paragraphs end in a break, so that no match runs from one into the next.
        result.text.append(QLatin1Char('\n'));
        result.positions.push_back(start + int(text.size()));
    }
    return result;
}

std::vector<TextMatch> findAll(const FoldedText &text, const QString &foldedQuery)
{
    std::vector<TextMatch> matches;
    if (foldedQuery.isEmpty())
        return matches;
    for (qsizetype at = text.text.indexOf(foldedQuery); at >= 0; at = text.text.indexOf(foldedQuery, at + 1)) {
        const qsizetype last = at + foldedQuery.size() - 1;
        matches.push_back({text.positions[size_t(at)], text.positions[size_t(last)] + 1});
    }
    return matches;
}

} // namespace vireka
