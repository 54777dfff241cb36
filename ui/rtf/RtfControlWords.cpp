#include "RtfControlWords.h"

#include <string_view>
#include <unordered_map>

namespace vireka::rtf {

namespace {

struct Entry {
    std::string_view name;
    Word word;
};

constexpr Entry Words[] = {
    {"ansi", Word::Ansi}, {"mac", Word::Mac}, {"pc", Word::Pc}, {"pca", Word::Pca},
    {"ansicpg", Word::AnsiCodePage}, {"deff", Word::DefaultFont}, {"deftab", Word::DefaultTab},
    {"ftnnar", Word::FootnoteArabic}, {"ftnnalc", Word::FootnoteLowerAlpha},
    {"ftnnauc", Word::FootnoteUpperAlpha}, {"ftnnrlc", Word::FootnoteLowerRoman},
    {"ftnnruc", Word::FootnoteUpperRoman}, {"ftnstart", Word::FootnoteStart},
    {"aftnnar", Word::EndnoteArabic}, {"aftnnalc", Word::EndnoteLowerAlpha},
    {"aftnnauc", Word::EndnoteUpperAlpha}, {"aftnnrlc", Word::EndnoteLowerRoman},
    {"aftnnruc", Word::EndnoteUpperRoman}, {"aftnstart", Word::EndnoteStart},

    {"fonttbl", Word::FontTable}, {"colortbl", Word::ColorTable},

    {"fnil", Word::FontNil}, {"froman", Word::FontRoman}, {"fswiss", Word::FontSwiss},
    {"fmodern", Word::FontModern}, {"fscript", Word::FontScript}, {"fdecor", Word::FontDecor},
    {"ftech", Word::FontTech}, {"fbidi", Word::FontNil}, {"fcharset", Word::FontCharset},
    {"cpg", Word::FontCodePage},

    {"red", Word::Red}, {"green", Word::Green}, {"blue", Word::Blue},

    {"plain", Word::Plain}, {"f", Word::Font}, {"fs", Word::FontSize}, {"b", Word::Bold},
    {"i", Word::Italic}, {"ul", Word::Underline}, {"uld", Word::Underline}, {"uldb", Word::Underline},
    {"ulw", Word::Underline}, {"uldash", Word::Underline}, {"uldashd", Word::Underline},
    {"uldashdd", Word::Underline}, {"ulwave", Word::Underline}, {"ulhwave", Word::Underline},
    {"ulldash", Word::Underline}, {"ulth", Word::Underline}, {"ulthd", Word::Underline},
    {"ulthdash", Word::Underline}, {"ulthdashd", Word::Underline}, {"ulthdashdd", Word::Underline},
    {"ulthldash", Word::Underline}, {"ululdbwave", Word::Underline}, {"ulnone", Word::UnderlineNone},
    {"strike", Word::Strike}, {"striked", Word::Strike}, {"v", Word::Hidden}, {"caps", Word::Caps},
    {"scaps", Word::SmallCaps}, {"super", Word::Super}, {"sub", Word::Sub},
    {"nosupersub", Word::NoSuperSub}, {"up", Word::Up}, {"dn", Word::Down}, {"cf", Word::Color},
    {"uc", Word::UnicodeSkip}, {"u", Word::Unicode},

    {"pard", Word::Pard}, {"ql", Word::AlignLeft}, {"qc", Word::AlignCenter}, {"qr", Word::AlignRight},
    {"qj", Word::AlignJustify}, {"qd", Word::AlignJustify}, {"li", Word::LeftIndent},
    {"lin", Word::LeftIndent}, {"ri", Word::RightIndent}, {"rin", Word::RightIndent},
    {"fi", Word::FirstIndent}, {"sb", Word::SpaceBefore}, {"sa", Word::SpaceAfter},
    {"sl", Word::LineSpacing}, {"slmult", Word::LineMultiple}, {"tx", Word::TabStop},
    {"tb", Word::TabStop}, {"tqr", Word::TabRight}, {"tqc", Word::TabCenter},
    {"tqdec", Word::TabDecimal},

    {"par", Word::Par}, {"sect", Word::Par}, {"page", Word::Par}, {"column", Word::Par},
    {"line", Word::Line}, {"softline", Word::Line}, {"tab", Word::Tab}, {"cell", Word::Cell},
    {"nestcell", Word::Cell}, {"row", Word::Row}, {"nestrow", Word::Row},
    {"endash", Word::EnDash}, {"emdash", Word::EmDash}, {"bullet", Word::Bullet},
    {"lquote", Word::LeftQuote}, {"rquote", Word::RightQuote}, {"ldblquote", Word::LeftDoubleQuote},
    {"rdblquote", Word::RightDoubleQuote}, {"emspace", Word::EmSpace}, {"enspace", Word::EnSpace},
    {"qmspace", Word::QuarterEmSpace}, {"zwj", Word::ZeroWidthJoiner},
    {"zwnj", Word::ZeroWidthNonJoiner}, {"ltrmark", Word::LeftToRightMark},
    {"rtlmark", Word::RightToLeftMark}, {"chftn", Word::NoteMark},

    // Groups whose text is shown: known, so that \* before them does not hide them.
    {"listtext", Word::TextDestination}, {"pntext", Word::TextDestination},
    {"field", Word::TextDestination}, {"fldrslt", Word::TextDestination},

    // A keyword in two forms: the first group for old readers, then \ud with the Unicode one.
    {"upr", Word::AnsiTwin}, {"ud", Word::UnicodeTwin},

    // Groups that hold no visible text even when they are not marked \*. Field results, list
    // numbers (\listtext, \pntext) and table text stay: they are what the reader shows.
    {"stylesheet", Word::SkipDestination}, {"info", Word::SkipDestination},
    {"pict", Word::SkipDestination}, {"object", Word::SkipDestination},
    {"objdata", Word::SkipDestination}, {"objclass", Word::SkipDestination},
    {"nonshppict", Word::SkipDestination}, {"shp", Word::SkipDestination},
    {"shpinst", Word::SkipDestination}, {"shprslt", Word::SkipDestination},
    {"sp", Word::SkipDestination}, {"sn", Word::SkipDestination}, {"sv", Word::SkipDestination},
    {"header", Word::SkipDestination}, {"headerl", Word::SkipDestination},
    {"headerr", Word::SkipDestination}, {"headerf", Word::SkipDestination},
    {"footer", Word::SkipDestination}, {"footerl", Word::SkipDestination},
    {"footerr", Word::SkipDestination}, {"footerf", Word::SkipDestination},
    {"footnote", Word::SkipDestination}, {"annotation", Word::SkipDestination},
    {"atnid", Word::SkipDestination}, {"atnauthor", Word::SkipDestination},
    {"fldinst", Word::SkipDestination}, {"themedata", Word::SkipDestination},
    {"colorschememapping", Word::SkipDestination}, {"latentstyles", Word::SkipDestination},
    {"datastore", Word::SkipDestination}, {"xmlnstbl", Word::SkipDestination},
    {"xmlnsstbl", Word::SkipDestination}, {"listtable", Word::SkipDestination},
    {"listoverridetable", Word::SkipDestination}, {"rsidtbl", Word::SkipDestination},
    {"generator", Word::SkipDestination}, {"filetbl", Word::SkipDestination},
    {"revtbl", Word::SkipDestination}, {"pgdsctbl", Word::SkipDestination},
    {"mmathPr", Word::SkipDestination}, {"pn", Word::SkipDestination},
    {"bkmkstart", Word::SkipDestination}, {"bkmkend", Word::SkipDestination},
    {"template", Word::SkipDestination}, {"userprops", Word::SkipDestination},
    {"author", Word::SkipDestination}, {"title", Word::SkipDestination},
    {"subject", Word::SkipDestination}, {"operator", Word::SkipDestination},
    {"keywords", Word::SkipDestination}, {"comment", Word::SkipDestination},
    {"doccomm", Word::SkipDestination}, {"company", Word::SkipDestination},
    {"xe", Word::SkipDestination}, {"tc", Word::SkipDestination}, {"txe", Word::SkipDestination},
    {"rxe", Word::SkipDestination}, {"falt", Word::SkipDestination},
    {"panose", Word::SkipDestination}, {"fontemb", Word::SkipDestination},
    {"fontfile", Word::SkipDestination},
    {"background", Word::SkipDestination}, {"docvar", Word::SkipDestination},
    {"wgrffmtfilter", Word::SkipDestination}, {"passwordhash", Word::SkipDestination},
};

const std::unordered_map<std::string_view, Word> &table()
{
    static const std::unordered_map<std::string_view, Word> map = [] {
        std::unordered_map<std::string_view, Word> m;
        m.reserve(std::size(Words) * 2);
        for (const Entry &e : Words)
            m.emplace(e.name, e.word);
        return m;
    }();
    return map;
}

} // namespace

Word lookupWord(QByteArrayView name)
{
    const auto &map = table();
    const auto found = map.find(std::string_view(name.data(), std::size_t(name.size())));
    return found == map.end() ? Word::Unknown : found->second;
}

} // namespace vireka::rtf
