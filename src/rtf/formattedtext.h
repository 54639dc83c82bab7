#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Formatted text as an RTF document describes it: paragraphs of runs, each run
// a piece of UTF-8 text with one set of character attributes. Plain values,
// so that a reader, a dump and a view can share them without any toolkit.
namespace rtf {

struct Color
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const Color &, const Color &) = default;
};

// The generic family of a font table entry, a fallback when the named font is
// not installed.
enum class FontFamily { Nil, Roman, Swiss, Modern, Script, Decor, Tech, Bidi };

enum class Underline { None, Single, Double, Dotted, Dashed, Wave, Thick, Words };

enum class VerticalPosition { Baseline, Superscript, Subscript };

enum class Capitals { None, All, Small };

struct Font
{
    std::string name;
    FontFamily family = FontFamily::Nil;

    friend bool operator==(const Font &, const Font &) = default;
};

// Fonts and links are indices into the tables of FormattedText, so that a
// run costs the same whatever the length of a font name or a link target.
struct CharFormat
{
    int font = -1; // index into FormattedText::fonts, -1 when the run names no font of the table
    int halfPoints = 24; // RTF measures font sizes in half points
    bool bold = false;
    bool italic = false;
    Underline underline = Underline::None;
    bool strike = false;
    VerticalPosition verticalPosition = VerticalPosition::Baseline;
    Capitals capitals = Capitals::None;
    std::optional<Color> foreground; // absent: the view's own text colour
    std::optional<Color> background; // absent: no background
    int link = -1;                   // index into FormattedText::links, -1 when none

    friend bool operator==(const CharFormat &, const CharFormat &) = default;
};

struct Run
{
    std::string text; // UTF-8; a tab is '\t', a line break inside the paragraph U+2028
    CharFormat format;

    friend bool operator==(const Run &, const Run &) = default;
};

enum class Alignment { Left, Center, Right, Justify };

// \sl and \slmult: automatic (single), at least, exactly, or a multiple of single
// spacing given in 240ths.
enum class LineSpacingRule { Auto, AtLeast, Exactly, Multiple };

struct LineSpacing
{
    LineSpacingRule rule = LineSpacingRule::Auto;
    int value = 0; // twips for AtLeast and Exactly, 240ths of a line for Multiple

    friend bool operator==(const LineSpacing &, const LineSpacing &) = default;
};

// Lengths are in twips (1/20 point), as RTF writes them.
struct ParagraphFormat
{
    Alignment alignment = Alignment::Left;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstLineIndent = 0; // relative to leftIndent; negative for a hanging indent
    int spaceBefore = 0;
    int spaceAfter = 0;
    LineSpacing lineSpacing;
    int listId = 0;    // \ls, 0 when the paragraph belongs to no list
    int listLevel = 0; // \ilvl

    friend bool operator==(const ParagraphFormat &, const ParagraphFormat &) = default;
};

struct Paragraph
{
    ParagraphFormat format;
    // A list item's marker ("1.", "•") as the writer rendered it, without the
    // tabs around it; empty when the paragraph is no list item.
    std::string listMarker;
    std::vector<Run> runs;

    std::string plainText() const;

    friend bool operator==(const Paragraph &, const Paragraph &) = default;
};

struct FormattedText
{
    std::vector<Font> fonts;
    std::vector<std::string> links; // hyperlink targets
    std::vector<Paragraph> paragraphs;

    bool empty() const { return paragraphs.empty(); }
    // The font of a run, or nullptr when it names none.
    const Font *font(const CharFormat &format) const;
    // The link target of a run, empty when it is no link.
    std::string_view link(const CharFormat &format) const;
    // The text without attributes, paragraphs joined by '\n' and list markers
    // followed by a tab, as a reader would see it on screen.
    std::string plainText() const;

    friend bool operator==(const FormattedText &, const FormattedText &) = default;
};

} // namespace rtf
