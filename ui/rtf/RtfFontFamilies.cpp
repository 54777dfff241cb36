#include "RtfFontFamilies.h"

#include <QFontDatabase>
#include <QHash>

#include <array>
#include <string_view>

namespace vireka::rtf {

namespace {

// Words in the names of common fonts that tell their class when the font table does not.
struct NameClue {
    std::u16string_view word;
    QFont::StyleHint hint;
};

constexpr std::array<NameClue, 22> NameClues = {{
    {u"mono", QFont::TypeWriter}, {u"courier", QFont::TypeWriter}, {u"consol", QFont::TypeWriter},
    {u"typewriter", QFont::TypeWriter}, {u"fixed", QFont::TypeWriter},
    {u"sans", QFont::SansSerif}, {u"arial", QFont::SansSerif}, {u"helvetica", QFont::SansSerif},
    {u"verdana", QFont::SansSerif}, {u"tahoma", QFont::SansSerif}, {u"calibri", QFont::SansSerif},
    {u"segoe", QFont::SansSerif}, {u"gothic", QFont::SansSerif}, {u"trebuchet", QFont::SansSerif},
    {u"serif", QFont::Serif}, {u"times", QFont::Serif}, {u"roman", QFont::Serif},
    {u"georgia", QFont::Serif}, {u"garamond", QFont::Serif}, {u"cambria", QFont::Serif},
    {u"mincho", QFont::Serif}, {u"song", QFont::Serif},
}};

// The machine's families, by their lower-case names.
const QHash<QString, QString> &installedFamilies()
{
    static const QHash<QString, QString> families = [] {
        QHash<QString, QString> map;
        for (const QString &family : QFontDatabase::families())
            map.insert(family.toLower(), family);
        return map;
    }();
    return families;
}

QString familyForClass(QFont::StyleHint hint)
{
    // The Liberation fonts keep the measures of the fonts most documents name.
    const char16_t *preferred = nullptr;
    switch (hint) {
    case QFont::Serif: preferred = u"liberation serif"; break;
    case QFont::SansSerif: preferred = u"liberation sans"; break;
    case QFont::TypeWriter: preferred = u"liberation mono"; break;
    default: return QString();
    }
    const auto found = installedFamilies().constFind(QString::fromUtf16(preferred));
    if (found != installedFamilies().cend())
        return *found;
    QFont font;
    font.setStyleHint(hint);
    return font.defaultFamily();
}

} // namespace

QString shownFamily(const QString &name, QFont::StyleHint hint)
{
    if (name.isEmpty())
        return QString();
    const QString lower = name.toLower();
    const auto installed = installedFamilies().constFind(lower);
    if (installed != installedFamilies().cend())
        return *installed;
    if (!QFont::substitutes(name).isEmpty())
        return name; // the program's own stand-ins
    // Some writers give every font the same unknown class; the name tells more then.
    if (hint == QFont::AnyStyle) {
        for (const NameClue &clue : NameClues) {
            if (lower.contains(QStringView(clue.word.data(), qsizetype(clue.word.size())))) {
                hint = clue.hint;
                break;
            }
        }
    }
    return familyForClass(hint);
}

} // namespace vireka::rtf
