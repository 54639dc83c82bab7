#pragma once

#include <string_view>

// The control words the reader acts on. Every other word is ignored, as RTF
// asks of readers.
namespace rtf {

enum class Keyword {
    Unknown,
    // Destinations that hold text or tables the reader uses
    FontTable, ColorTable, Field, FieldInstruction, FieldResult, ListText, UnicodeAlternative, UnicodePair,
    // Destinations whose content is never shown
    SkippedDestination,
    // Document
    Ansi, Mac, Pc, Pca, AnsiCodePage, DefaultFont, UnicodeSkipCount, Unicode, Binary,
    // Font table
    Font, FontCharset, FontCodePage, FamilyNil, FamilyRoman, FamilySwiss, FamilyModern, FamilyScript, FamilyDecor,
    FamilyTech, FamilyBidi,
    // Colour table
    Red, Green, Blue,
    // Character
    Plain, FontSize, Bold, Italic, Underline, UnderlineDouble, UnderlineDotted, UnderlineDashed, UnderlineWave,
    UnderlineThick, UnderlineWords, UnderlineNone, Strike, StrikeDouble, Superscript, Subscript, NoSuperSub,
    Up, Down, Caps, SmallCaps, Hidden, Foreground, Background, Highlight,
    // Paragraph
    ParagraphDefault, AlignLeft, AlignCenter, AlignRight, AlignJustify, LeftIndent, RightIndent, FirstIndent,
    SpaceBefore, SpaceAfter, LineSpacing, LineSpacingMultiple, ListId, ListLevel,
    // Breaks and special characters
    Par, Line, Page, Section, Row, Cell, Tab, EmDash, EnDash, LeftQuote, RightQuote, LeftDoubleQuote,
    RightDoubleQuote, Bullet, EmSpace, EnSpace, QuarterEmSpace, ZeroWidthJoiner, ZeroWidthNonJoiner,
};

Keyword lookupKeyword(std::string_view word);

} // namespace rtf
