#include "RtfControlWords.h"

#include <string_view>
#include <unordered_map>

namespace vireka::rtf {

namespace {

struct Entry {
    std::string_view name;
    Word word;
    WordGroup group;
};

using enum Word;
using enum WordGroup;

constexpr Entry Words[] = {
    {"ansi", Ansi, Document}, {"mac", Mac, Document}, {"pc", Pc, Document}, {"pca", Pca, Document},
    {"ansicpg", AnsiCodePage, Document}, {"deff", DefaultFont, Document}, {"deftab", DefaultTab, Document},
    {"ftnnar", FootnoteArabic, Note}, {"ftnnalc", FootnoteLowerAlpha, Note},
    {"ftnnauc", FootnoteUpperAlpha, Note}, {"ftnnrlc", FootnoteLowerRoman, Note},
    {"ftnnruc", FootnoteUpperRoman, Note}, {"ftnstart", FootnoteStart, Note},
    {"aftnnar", EndnoteArabic, Note}, {"aftnnalc", EndnoteLowerAlpha, Note},
    {"aftnnauc", EndnoteUpperAlpha, Note}, {"aftnnrlc", EndnoteLowerRoman, Note},
    {"aftnnruc", EndnoteUpperRoman, Note}, {"aftnstart", EndnoteStart, Note},

    {"fonttbl", FontTable, Destination}, {"colortbl", ColorTable, Destination},

    {"fnil", FontNil, Table}, {"froman", FontRoman, Table}, {"fswiss", FontSwiss, Table},
    {"fmodern", FontModern, Table}, {"fscript", FontScript, Table}, {"fdecor", FontDecor, Table},
    {"ftech", FontTech, Table}, {"fbidi", FontNil, Table}, {"fcharset", FontCharset, Table},
    {"cpg", FontCodePage, Table},

    {"listid", ListId, List}, {"levelnfc", LevelFormat, List}, {"levelnfcn", LevelFormat, List},
    {"levelstartat", LevelStart, List}, {"levelfollow", LevelFollow, List}, {"ls", ParagraphList, List},
    {"ilvl", ParagraphListLevel, List},

    {"red", Red, Table}, {"green", Green, Table}, {"blue", Blue, Table},

    {"plain", Plain, Character}, {"f", Font, Character}, {"fs", FontSize, Character}, {"b", Bold, Character},
    {"i", Italic, Character}, {"ul", Underline, Character}, {"uld", Underline, Character},
    {"uldb", Underline, Character}, {"ulw", Underline, Character}, {"uldash", Underline, Character},
    {"uldashd", Underline, Character}, {"uldashdd", Underline, Character}, {"ulwave", Underline, Character},
    {"ulhwave", Underline, Character}, {"ulldash", Underline, Character}, {"ulth", Underline, Character},
    {"ulthd", Underline, Character}, {"ulthdash", Underline, Character}, {"ulthdashd", Underline, Character},
    {"ulthdashdd", Underline, Character}, {"ulthldash", Underline, Character},
    {"ululdbwave", Underline, Character}, {"ulnone", UnderlineNone, Character}, {"strike", Strike, Character},
    {"striked", Strike, Character}, {"v", Hidden, Character}, {"caps", Caps, Character},
    {"scaps", SmallCaps, Character}, {"super", Super, Character}, {"sub", Sub, Character},
    {"nosupersub", NoSuperSub, Character}, {"up", Up, Character}, {"dn", Down, Character},
    {"cf", Color, Character}, {"uc", UnicodeSkip, Character}, {"u", Unicode, Text},

    {"pard", Pard, Paragraph}, {"ql", AlignLeft, Paragraph}, {"qc", AlignCenter, Paragraph},
    {"qr", AlignRight, Paragraph}, {"qj", AlignJustify, Paragraph}, {"qd", AlignJustify, Paragraph},
    {"li", LeftIndent, Paragraph}, {"lin", LeftIndent, Paragraph}, {"ri", RightIndent, Paragraph},
    {"rin", RightIndent, Paragraph}, {"fi", FirstIndent, Paragraph}, {"sb", SpaceBefore, Paragraph},
    {"sa", SpaceAfter, Paragraph}, {"sl", LineSpacing, Paragraph}, {"slmult", LineMultiple, Paragraph},
    {"tx", TabStop, Paragraph}, {"tb", TabStop, Paragraph}, {"tqr", TabRight, Paragraph},
    {"tqc", TabCenter, Paragraph}, {"tqdec", TabDecimal, Paragraph},

    {"par", Par, Text}, {"sect", Par, Text}, {"page", Par, Text}, {"column", Par, Text}, {"line", Line, Text},
    {"softline", Line, Text}, {"tab", Tab, Text}, {"cell", Cell, Text}, {"nestcell", Cell, Text},
    {"row", Row, Text}, {"nestrow", Row, Text}, {"endash", EnDash, Text}, {"emdash", EmDash, Text},
    {"bullet", Bullet, Text}, {"lquote", LeftQuote, Text}, {"rquote", RightQuote, Text},
    {"ldblquote", LeftDoubleQuote, Text}, {"rdblquote", RightDoubleQuote, Text}, {"emspace", EmSpace, Text},
    {"enspace", EnSpace, Text}, {"qmspace", QuarterEmSpace, Text}, {"zwj", ZeroWidthJoiner, Text},
    {"zwnj", ZeroWidthNonJoiner, Text}, {"ltrmark", LeftToRightMark, Text},
    {"rtlmark", RightToLeftMark, Text}, {"chftn", NoteMark, Text},

    // The list table, read for the numbers of paragraphs whose file does not write them out.
    {"listtable", ListTable, Destination}, {"list", ListDefinition, Destination},
    {"listlevel", ListLevel, Destination}, {"leveltext", LevelText, Destination},
    {"listoverridetable", ListOverrideTable, Destination}, {"listoverride", ListOverride, Destination},

    // Groups whose text is shown: known, so that \* before them does not hide them.
    {"listtext", ListNumberText, Destination}, {"pntext", ListNumberText, Destination},
    {"field", TextDestination, Destination}, {"fldrslt", TextDestination, Destination},

    // A keyword in two forms: the first group for old readers, then \ud with the Unicode one.
    {"upr", AnsiTwin, Destination}, {"ud", UnicodeTwin, Destination},

    // Groups that hold no visible text even when they are not marked \*. Field results, list
    // numbers (\listtext, \pntext) and table text stay: they are what the reader shows.
    {"stylesheet", SkipDestination, Destination}, {"info", SkipDestination, Destination},
    {"pict", SkipDestination, Destination}, {"object", SkipDestination, Destination},
    {"objdata", SkipDestination, Destination}, {"objclass", SkipDestination, Destination},
    {"nonshppict", SkipDestination, Destination}, {"shp", SkipDestination, Destination},
    {"shpinst", SkipDestination, Destination}, {"shprslt", SkipDestination, Destination},
    {"sp", SkipDestination, Destination}, {"sn", SkipDestination, Destination},
    {"sv", SkipDestination, Destination}, {"header", SkipDestination, Destination},
    {"headerl", SkipDestination, Destination}, {"headerr", SkipDestination, Destination},
    {"headerf", SkipDestination, Destination}, {"footer", SkipDestination, Destination},
    {"footerl", SkipDestination, Destination}, {"footerr", SkipDestination, Destination},
    {"footerf", SkipDestination, Destination}, {"footnote", SkipDestination, Destination},
    {"annotation", SkipDestination, Destination}, {"atnid", SkipDestination, Destination},
    {"atnauthor", SkipDestination, Destination}, {"fldinst", SkipDestination, Destination},
    {"themedata", SkipDestination, Destination}, {"colorschememapping", SkipDestination, Destination},
    {"latentstyles", SkipDestination, Destination}, {"datastore", SkipDestination, Destination},
    {"xmlnstbl", SkipDestination, Destination}, {"xmlnsstbl", SkipDestination, Destination},
    {"listname", SkipDestination, Destination}, {"levelnumbers", SkipDestination, Destination},
    {"lfolevel", SkipDestination, Destination}, {"listpicture", SkipDestination, Destination},
    {"rsidtbl", SkipDestination, Destination}, {"generator", SkipDestination, Destination},
    {"filetbl", SkipDestination, Destination}, {"revtbl", SkipDestination, Destination},
    {"pgdsctbl", SkipDestination, Destination}, {"mmathPr", SkipDestination, Destination},
    {"pn", SkipDestination, Destination}, {"bkmkstart", SkipDestination, Destination},
    {"bkmkend", SkipDestination, Destination}, {"template", SkipDestination, Destination},
    {"userprops", SkipDestination, Destination}, {"author", SkipDestination, Destination},
    {"title", SkipDestination, Destination}, {"subject", SkipDestination, Destination},
    {"operator", SkipDestination, Destination}, {"keywords", SkipDestination, Destination},
    {"comment", SkipDestination, Destination}, {"doccomm", SkipDestination, Destination},
    {"company", SkipDestination, Destination}, {"xe", SkipDestination, Destination},
    {"tc", SkipDestination, Destination}, {"txe", SkipDestination, Destination},
    {"rxe", SkipDestination, Destination}, {"falt", SkipDestination, Destination},
    {"panose", SkipDestination, Destination}, {"fontemb", SkipDestination, Destination},
    {"fontfile", SkipDestination, Destination}, {"background", SkipDestination, Destination},
    {"docvar", SkipDestination, Destination}, {"wgrffmtfilter", SkipDestination, Destination},
    {"passwordhash", SkipDestination, Destination},
};

const std::unordered_map<std::string_view, KnownWord> &table()
{
    static const std::unordered_map<std::string_view, KnownWord> map = [] {
        std::unordered_map<std::string_view, KnownWord> m;
        m.reserve(std::size(Words) * 2);
        for (const Entry &e : Words)
            m.emplace(e.name, KnownWord{e.word, e.group});
        return m;
    }();
    return map;
}

} // namespace

KnownWord lookupWord(QByteArrayView name)
{
    const auto &map = table();
    const auto found = map.find(std::string_view(name.data(), std::size_t(name.size())));
    return found == map.end() ? KnownWord() : found->second;
}

} // namespace vireka::rtf
