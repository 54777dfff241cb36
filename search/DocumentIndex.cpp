#include "DocumentIndex.h"

#include "AllScreens.h"
#include "ProgramFile.h"
#include "rtf/RtfReader.h"

#include <QFile>
#include <QSet>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <cstring>

namespace vireka {

namespace {

// The disclaimer's second page is loaded by a menu command of the screen's own, not by a link row.
const DocumentPlace menuCommandPages[] = {
    {"frmDisclaimer", "mnuNextPage", QStringLiteral("\\CopyLiab.rtf"), "rtfDisclaimer"},
};

// Short names of the sections whose captions are long or shouting; other screens go by their caption.
struct SectionName {
    const char *screen;
    const char *name;
};
constexpr SectionName sectionNames[] = {
    {"frmYoga", "Main Menu"},
    {"frmYogaInstructions", "Instructions"},
    {"frmArticles", "Articles"},
    {"frmTesmara", "Tesmara"},
    {"frmCountry", "Directory by Country"},
    {"frmTradition", "Yoga Styles"},
    {"frmDisclaimer", "Disclaimer"},
};

const ControlSpec *row(const ScreenSpec &spec, const char *control)
{
    for (const ControlSpec &c : spec.controls)
        if (control && std::strcmp(c.name, control) == 0)
            return &c;
    return nullptr;
}

QString whereShown(const DocumentPlace &place)
{
    const ScreenClass *screen = screenClass(place.screen);
    QString section = QString::fromLatin1(screen->spec.caption).simplified();
    for (const SectionName &known : sectionNames)
        if (std::strcmp(known.screen, place.screen) == 0)
            section = QString::fromLatin1(known.name);
    if (section.isEmpty())
        section = QString::fromLatin1(place.screen);
    const ControlSpec *link = row(screen->spec, place.control);
    if (!link || !link->caption || !*link->caption)
        return section;
    return section + QStringLiteral(": ") + QString::fromLatin1(link->caption).simplified();
}

bool readSource(const QString &source, QTextDocument &document)
{
    if (source.startsWith(QLatin1Char(':'))) {
        QFile file(source);
        return file.open(QIODevice::ReadOnly) && readRtf(file.readAll(), document);
    }
    return readRtfFile(programFilePath(source), document);
}

} // namespace

std::vector<DocumentPlace> documentPlaces()
{
    std::vector<DocumentPlace> places;
    QSet<QString> seen;
    auto add = [&](DocumentPlace place) {
        if (!seen.contains(place.source)) {
            seen.insert(place.source);
            places.push_back(std::move(place));
        }
    };
    for (const ScreenClass &screen : allScreens()) {
        for (const DocumentLink &link : screen.links.rows)
            add({screen.name, link.control, QString::fromLatin1(link.file), screen.links.area});
        if (screen.spec.opens.file)
            add({screen.name, nullptr, QString::fromLatin1(screen.spec.opens.file), screen.spec.opens.area});
        for (const ControlSpec &control : screen.spec.controls)
            if (control.stored)
                add({screen.name, nullptr, QStringLiteral(":/stored/") + QString::fromLatin1(control.stored),
                     control.name});
    }
    for (const DocumentPlace &page : menuCommandPages)
        add(page);
    return places;
}

void DocumentIndex::build()
{
    m_documents.clear();
    for (const DocumentPlace &place : documentPlaces()) {
        QTextDocument document;
        if (!readSource(place.source, document))
            continue;
        IndexedDocument indexed{place, {}, whereShown(place), {}, foldDocument(document)};
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            indexed.text += block.text();
            indexed.text += QLatin1Char('\n');
            if (indexed.title.isEmpty())
                indexed.title = block.text().simplified();
        }
        m_documents.push_back(std::move(indexed));
    }
    m_built = true;
}

std::vector<SearchHit> DocumentIndex::search(const QString &query) const
{
    std::vector<SearchHit> hits;
    const QString folded = foldForMatching(query.simplified());
    if (folded.isEmpty())
        return hits;
    for (const IndexedDocument &document : m_documents) {
        const std::vector<TextMatch> matches = findAll(document.folded, folded);
        if (!matches.empty())
            hits.push_back({&document, int(matches.size()), matches.front()});
    }
    std::stable_sort(hits.begin(), hits.end(), [](const SearchHit &a, const SearchHit &b) { return a.count > b.count; });
    return hits;
}

QString contextLine(const IndexedDocument &document, const TextMatch &match)
{
    constexpr int Around = 40;
    const QString &text = document.text;
    int from = std::max(0, match.start - Around);
    int to = std::min(int(text.size()), match.end + Around);
    // Stay within the paragraph, and start and end on whole words.
    const int paragraphStart = int(text.lastIndexOf(QLatin1Char('\n'), match.start == 0 ? 0 : match.start - 1)) + 1;
    const int paragraphEnd = int(text.indexOf(QLatin1Char('\n'), match.end));
    from = std::max(from, paragraphStart);
    if (paragraphEnd >= 0)
        to = std::min(to, paragraphEnd);
    while (from > paragraphStart && from < match.start && !text.at(from - 1).isSpace())
        ++from;
    while (to < int(text.size()) && to > match.end && !text.at(to).isSpace())
        --to;
    const QString before = text.mid(from, match.start - from);
    const QString word = text.mid(match.start, match.end - match.start);
    const QString after = text.mid(match.end, to - match.end);
    return (from > paragraphStart ? QStringLiteral("...") : QString()) + before.toHtmlEscaped() + QStringLiteral("<b>") +
           word.toHtmlEscaped() + QStringLiteral("</b>") + after.toHtmlEscaped() +
           (paragraphEnd < 0 || to < paragraphEnd ? QStringLiteral("...") : QString());
}

} // namespace vireka
