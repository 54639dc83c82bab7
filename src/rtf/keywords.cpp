#include "rtf/keywords.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <utility>

namespace rtf {
namespace {

using Entry = std::pair<std::string_view, Keyword>;

// Kept sorted by word (checked at compile time), so that a reader finds one.
constexpr auto keywords = std::to_array<Entry>({
    {"NeXTGraphic", Keyword::SkippedDestination},
    {"aftncn", Keyword::SkippedDestination},
    {"aftnsep", Keyword::SkippedDestination},
    {"aftnsepc", Keyword::SkippedDestination},
    {"annotation", Keyword::SkippedDestination},
    {"ansi", Keyword::Ansi},
    {"ansicpg", Keyword::AnsiCodePage},
    {"atnauthor", Keyword::SkippedDestination},
    {"atnid", Keyword::SkippedDestination},
    {"b", Keyword::Bold},
    {"bin", Keyword::Binary},
    {"blue", Keyword::Blue},
    {"bullet", Keyword::Bullet},
    {"caps", Keyword::Caps},
    {"cb", Keyword::Background},
    {"cell", Keyword::Cell},
    {"cf", Keyword::Foreground},
    {"chcbpat", Keyword::Background},
    {"colortbl", Keyword::ColorTable},
    {"cpg", Keyword::FontCodePage},
    {"deff", Keyword::DefaultFont},
    {"dn", Keyword::Down},
    {"emdash", Keyword::EmDash},
    {"emspace", Keyword::EmSpace},
    {"endash", Keyword::EnDash},
    {"enspace", Keyword::EnSpace},
    {"f", Keyword::Font},
    {"fbidi", Keyword::FamilyBidi},
    {"fcharset", Keyword::FontCharset},
    {"fdecor", Keyword::FamilyDecor},
    {"fi", Keyword::FirstIndent},
    {"field", Keyword::Field},
    {"fldinst", Keyword::FieldInstruction},
    {"fldrslt", Keyword::FieldResult},
    {"fmodern", Keyword::FamilyModern},
    {"fnil", Keyword::FamilyNil},
    {"fonttbl", Keyword::FontTable},
    {"footer", Keyword::SkippedDestination},
    {"footerf", Keyword::SkippedDestination},
    {"footerl", Keyword::SkippedDestination},
    {"footerr", Keyword::SkippedDestination},
    {"footnote", Keyword::SkippedDestination},
    {"froman", Keyword::FamilyRoman},
    {"fs", Keyword::FontSize},
    {"fscript", Keyword::FamilyScript},
    {"fswiss", Keyword::FamilySwiss},
    {"ftech", Keyword::FamilyTech},
    {"ftncn", Keyword::SkippedDestination},
    {"ftnsep", Keyword::SkippedDestination},
    {"ftnsepc", Keyword::SkippedDestination},
    {"green", Keyword::Green},
    {"header", Keyword::SkippedDestination},
    {"headerf", Keyword::SkippedDestination},
    {"headerl", Keyword::SkippedDestination},
    {"headerr", Keyword::SkippedDestination},
    {"highlight", Keyword::Highlight},
    {"i", Keyword::Italic},
    {"ilvl", Keyword::ListLevel},
    {"info", Keyword::SkippedDestination},
    {"ldblquote", Keyword::LeftDoubleQuote},
    {"li", Keyword::LeftIndent},
    {"lin", Keyword::LeftIndent},
    {"line", Keyword::Line},
    {"listoverridetable", Keyword::SkippedDestination},
    {"listtable", Keyword::SkippedDestination},
    {"listtext", Keyword::ListText},
    {"lquote", Keyword::LeftQuote},
    {"ls", Keyword::ListId},
    {"mac", Keyword::Mac},
    {"nestcell", Keyword::Cell},
    // The plain-text stand-in for a nested table, for readers that know no
    // nested tables; the table itself is read, so its words would show twice.
    {"nonesttables", Keyword::SkippedDestination},
    {"nonshppict", Keyword::SkippedDestination},
    {"nosupersub", Keyword::NoSuperSub},
    {"objdata", Keyword::SkippedDestination},
    {"page", Keyword::Page},
    {"par", Keyword::Par},
    {"pard", Keyword::ParagraphDefault},
    {"pc", Keyword::Pc},
    {"pca", Keyword::Pca},
    {"pict", Keyword::SkippedDestination},
    {"plain", Keyword::Plain},
    {"pn", Keyword::SkippedDestination},
    {"pntext", Keyword::ListText},
    {"qc", Keyword::AlignCenter},
    {"qd", Keyword::AlignJustify},
    {"qj", Keyword::AlignJustify},
    {"ql", Keyword::AlignLeft},
    {"qmspace", Keyword::QuarterEmSpace},
    {"qr", Keyword::AlignRight},
    {"rdblquote", Keyword::RightDoubleQuote},
    {"red", Keyword::Red},
    {"ri", Keyword::RightIndent},
    {"rin", Keyword::RightIndent},
    {"row", Keyword::Row},
    {"rquote", Keyword::RightQuote},
    {"rtf", Keyword::Unknown},
    {"sa", Keyword::SpaceAfter},
    {"sb", Keyword::SpaceBefore},
    {"scaps", Keyword::SmallCaps},
    {"sect", Keyword::Section},
    {"shp", Keyword::SkippedDestination},
    {"shppict", Keyword::SkippedDestination},
    {"sl", Keyword::LineSpacing},
    {"slmult", Keyword::LineSpacingMultiple},
    {"strike", Keyword::Strike},
    {"striked", Keyword::StrikeDouble},
    {"stylesheet", Keyword::SkippedDestination},
    {"sub", Keyword::Subscript},
    {"super", Keyword::Superscript},
    {"tab", Keyword::Tab},
    {"tc", Keyword::SkippedDestination},
    {"template", Keyword::SkippedDestination},
    {"txe", Keyword::SkippedDestination},
    {"u", Keyword::Unicode},
    {"uc", Keyword::UnicodeSkipCount},
    {"ud", Keyword::UnicodePair},
    {"ul", Keyword::Underline},
    {"uld", Keyword::UnderlineDotted},
    {"uldash", Keyword::UnderlineDashed},
    {"uldashd", Keyword::UnderlineDashed},
    {"uldashdd", Keyword::UnderlineDashed},
    {"uldb", Keyword::UnderlineDouble},
    {"ulhwave", Keyword::UnderlineWave},
    {"ulldash", Keyword::UnderlineDashed},
    {"ulnone", Keyword::UnderlineNone},
    {"ulth", Keyword::UnderlineThick},
    {"ulthd", Keyword::UnderlineThick},
    {"ulthdash", Keyword::UnderlineThick},
    {"ulthldash", Keyword::UnderlineThick},
    {"ululdbwave", Keyword::UnderlineWave},
    {"ulw", Keyword::UnderlineWords},
    {"ulwave", Keyword::UnderlineWave},
    {"up", Keyword::Up},
    {"upr", Keyword::UnicodeAlternative},
    {"v", Keyword::Hidden},
    {"xe", Keyword::SkippedDestination},
    {"zwj", Keyword::ZeroWidthJoiner},
    {"zwnj", Keyword::ZeroWidthNonJoiner},
});

constexpr std::size_t maxKeywordLength = std::max_element(keywords.begin(), keywords.end(), [](const Entry &a, const Entry &b) {
    return a.first.size() < b.first.size();
})->first.size();

static_assert(std::is_sorted(keywords.begin(), keywords.end(),
                             [](const Entry &a, const Entry &b) { return a.first < b.first; }),
              "keywords must stay sorted");

} // namespace

Keyword lookupKeyword(std::string_view word)
{
    // Documents repeat a handful of words many thousand times; a hash table
    // finds them faster than a search of the sorted list.
    static const std::unordered_map<std::string_view, Keyword> table(keywords.begin(), keywords.end());
    if (word.size() > maxKeywordLength)
        return Keyword::Unknown;
    const auto it = table.find(word);
    return it != table.end() ? it->second : Keyword::Unknown;
}

} // namespace rtf
