#include "rtftestsupport.h"

#include <gtest/gtest.h>

namespace {

struct TextRow
{
    const char *name;
    const char *rtf;
    const char *plainText;
};

void PrintTo(const TextRow &row, std::ostream *out)
{
    *out << row.name;
}

class ReaderText : public ::testing::TestWithParam<TextRow>
{
};

TEST_P(ReaderText, showsTheText)
{
    EXPECT_EQ(plainTextOf(GetParam().rtf), GetParam().plainText) << GetParam().rtf;
}

// What each construct turns into on screen, attributes aside.
INSTANTIATE_TEST_SUITE_P(Rows, ReaderText, ::testing::Values(
    TextRow{"plain", R"({\rtf1 Hello})", "Hello"},
    TextRow{"emptyDocument", R"({\rtf1})", ""},
    TextRow{"delimiterSpaceIsEaten", R"({\rtf1\b Bold\b0  text})", "Bold text"},
    TextRow{"rawLineBreaksAreNoText", "{\\rtf1 one\r\ntwo\nthree}", "onetwothree"},
    TextRow{"parSplitsParagraphs", R"({\rtf1 one\par two\par three})", "one\ntwo\nthree"},
    TextRow{"trailingParMakesNoEmptyParagraph", R"({\rtf1 one\par})", "one"},
    TextRow{"emptyParagraphsKept", R"({\rtf1 one\par\par two})", "one\n\ntwo"},
    TextRow{"backslashNewlineIsPar", "{\\rtf1 one\\\ntwo\\\r\nthree}", "one\ntwo\nthree"},
    TextRow{"pageAndSectEndParagraphs", R"({\rtf1 a\page b\sect c})", "a\nb\nc"},
    TextRow{"lineIsLineSeparator", R"({\rtf1 a\line b})", "a\u2028b"},
    TextRow{"tabWordAndRawTab", "{\\rtf1 a\\tab b\tc}", "a\tb\tc"},
    TextRow{"escapedSpecials", R"({\rtf1 \{ \} \\ end})", "{ } \\ end"},
    TextRow{"specialSymbols", R"({\rtf1 a\~b\-c\_d})", "a\u00A0b\u00ADc\u2011d"},
    TextRow{"typographicWords", R"({\rtf1 \lquote a\rquote  \ldblquote b\rdblquote  c\emdash d\endash e\bullet})",
            "\u2018a\u2019 \u201Cb\u201D c\u2014d\u2013e\u2022"},
    TextRow{"hexInWindows1252", R"({\rtf1\ansi\ansicpg1252 caf\'e9 \'93q\'94 \'80})", "café “q” €"},
    TextRow{"hexUppercaseDigits", R"({\rtf1 caf\'E9})", "café"},
    TextRow{"hexInMacRoman", R"({\rtf1\mac caf\'8e \'d2q\'d3})", "café “q”"},
    TextRow{"rawHighBytesUseCodePage", "{\\rtf1\\ansi caf\xE9}", "café"},
    TextRow{"fontCharsetOverridesCodePage",
            R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0 Arial;}{\f1\fcharset204 Arial Cyr;}}\f0 \'e9{\f1 \'e9}\'e9})", "éйé"},
    TextRow{"negativeFontNumbers", R"({\rtf1{\fonttbl{\f-2\fcharset204 Cyr;}{\f-3 Latin;}}\f-2 \'e9\f-3 \'e9})", "йé"},
    TextRow{"fontCpgOverridesCharset", R"({\rtf1{\fonttbl{\f1\fcharset0\cpg1250 Arial CE;}}\f1 \'9a})", "š"},
    TextRow{"ansiCodePage1251", R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8})", "При"},
    TextRow{"unicodeWithFallback", R"({\rtf1 \u233?t\u233 e})", "été"},
    TextRow{"unicodeNegativeIsAbove7FFF", R"({\rtf1\uc1 \u-3913?\u-28?})", "\uF0B7\uFFE4"},
    TextRow{"ucScopedToGroup", R"({\rtf1{\uc2\u233 xx}\u233 x|})", "éé|"},
    TextRow{"ucZeroSkipsNothing", R"({\rtf1\uc0\u233 x})", "éx"},
    TextRow{"skipStopsAtGroupEnd", R"({\rtf1\uc3{\u233 x}y})", "éy"},
    TextRow{"skipCountsHexAsOne", R"({\rtf1\uc1\u233\'e9x})", "éx"},
    TextRow{"skipCountsControlWordAsOne", R"({\rtf1\uc1\u233\emdash x})", "éx"},
    TextRow{"surrogatePair", R"({\rtf1\uc1\u-10179?\u-8704?})", "😀"},
    TextRow{"loneHighSurrogate", R"({\rtf1\uc1\u-10179? x})", "\xEF\xBF\xBD x"},
    TextRow{"loneLowSurrogate", R"({\rtf1\uc1 x\u-8704?})", "x\xEF\xBF\xBD"},
    TextRow{"highFollowedByHigh", R"({\rtf1\uc1\u-10179?\u-10179?\u-8704?})", "\xEF\xBF\xBD😀"},
    TextRow{"unicodeZeroIsNoCharacter", R"({\rtf1 [\u0?]})", "[\xEF\xBF\xBD]"},
    TextRow{"unicodeFFFFIsNoCharacter", R"({\rtf1 [\u65535?]})", "[\xEF\xBF\xBD]"},
    TextRow{"unicodeBeyond16Bits", R"({\rtf1 [\u70000?][\u-40000?]})", "[\xEF\xBF\xBD][\xEF\xBF\xBD]"},
    TextRow{"symbolFontPrivateUse", R"({\rtf1{\fonttbl{\f3\fcharset2 Symbol;}}{\f3\u-3913?}})", "•"},
    TextRow{"upperPrefersUnicodeHalf", R"({\rtf1{\upr{ansi}{\*\ud{uni\u233?}}}})", "unié"},
    TextRow{"hiddenTextNotShown", R"({\rtf1 a{\v hidden}b\v c\v0 d})", "abd"},
    TextRow{"capsKeepTheSourceLetters", R"({\rtf1{\caps caps} {\scaps small}})", "caps small"},
    TextRow{"ignorableDestinationSkipped", R"({\rtf1 a{\*\unknown secret {nested}}b})", "ab"},
    TextRow{"knownDestinationsSkipped",
            R"({\rtf1{\info{\title T}}{\stylesheet{\s1 Normal;}}{\header H}{\footer F}{\footerl F}{\headerr H}a{\pict 0a0b}b})", "ab"},
    TextRow{"nestedTableStandInSkipped",
            R"({\rtf1 Term\cell{\*\nesttableprops\trowd\nestrow}Inner\nestcell{\nonesttables\par Inner\par}\cell\row})",
            "Term\tInner\t\t"},
    TextRow{"expandedColorTableSkipped", R"({\rtf1{\*\expandedcolortbl;;\csgray\c0;}x})", "x"},
    TextRow{"unknownWordsIgnored", R"({\rtf1\cocoartf2761\foobar42 x})", "x"},
    TextRow{"binarySkippedByCount", R"({\rtf1 a{\*\blob\bin5 }}\{x}b})", "ab"},
    TextRow{"binaryInTextSkipped", R"({\rtf1 a\bin3 xyzb})", "ab"},
    TextRow{"fontTableNotShown", R"({\rtf1{\fonttbl{\f0\fswiss Helvetica;}}x})", "x"},
    TextRow{"colorTableNotShown", R"({\rtf1{\colortbl;\red1\green2\blue3;}x})", "x"},
    TextRow{"fieldShowsResult", R"({\rtf1{\field{\*\fldinst PAGE}{\fldrslt 7}}})", "7"},
    TextRow{"listTextIsMarker", "{\\rtf1\\ls1 {\\listtext\t1.\t}Item}", "1.\tItem"},
    TextRow{"pnTextIsMarker", R"({\rtf1{\pntext\f1\'b7\tab}{\*\pn\pnlvlblt{\pntxtb\'b7}}Item})", "·\tItem"},
    TextRow{"oldPnWithoutStarSkipped", R"({\rtf1{\pn\pnlvlblt{\pntxtb x}}Item})", "Item"},
    TextRow{"tableCellsBecomeTabs", R"({\rtf1\intbl a\cell b\cell\row c})", "a\tb\t\nc"}
), rowName<TextRow>);

struct FormatRow
{
    const char *name;
    const char *rtf;
    const char *dump;
};

void PrintTo(const FormatRow &row, std::ostream *out)
{
    *out << row.name;
}

class ReaderFormat : public ::testing::TestWithParam<FormatRow>
{
};

TEST_P(ReaderFormat, keepsTheAttributes)
{
    EXPECT_EQ(dumpOf(GetParam().rtf), GetParam().dump) << GetParam().rtf;
}

constexpr const char *fonts = R"({\fonttbl{\f0\froman\fcharset0 Times New Roman;}{\f1\fswiss Arial;}})";
constexpr const char *colors = R"({\colortbl;\red255\green0\blue0;\red0\green0\blue255;})";

std::string withTables(const char *body)
{
    return std::string(R"({\rtf1\ansi\deff0)") + fonts + colors + body + "}";
}

const std::string fontsAndColors = withTables(
    R"(\f1\fs20\cf1\cb2 a\f0\plain b\cf9 c\cf0 d\highlight2 e\highlight0 f)");
const std::string groupsRestore = withTables(R"({\b\i\ul\strike\super a}{\sub b\nosupersub c\ul\ulnone d}e)");

// Run by run: attributes set, restored at group ends, reset by \plain and \pard.
INSTANTIATE_TEST_SUITE_P(Rows, ReaderFormat, ::testing::Values(
    FormatRow{"fontsSizesAndColours", fontsAndColors.c_str(),
              "{\"paragraph\":1}\n"
              "{\"text\":\"a\",\"font\":\"Arial\",\"family\":\"swiss\",\"size\":10,\"color\":\"#ff0000\",\"background\":\"#0000ff\"}\n"
              "{\"text\":\"bcd\",\"font\":\"Times New Roman\",\"family\":\"roman\",\"size\":12}\n"
              "{\"text\":\"e\",\"font\":\"Times New Roman\",\"family\":\"roman\",\"size\":12,\"background\":\"#0000ff\"}\n"
              "{\"text\":\"f\",\"font\":\"Times New Roman\",\"family\":\"roman\",\"size\":12}\n"},
    FormatRow{"groupsSaveAndRestore", groupsRestore.c_str(),
              "{\"paragraph\":1}\n"
              "{\"text\":\"a\",\"font\":\"Times New Roman\",\"family\":\"roman\",\"size\":12,\"bold\":true,\"italic\":true,"
              "\"underline\":\"single\",\"strike\":true,\"super\":true}\n"
              "{\"text\":\"b\",\"font\":\"Times New Roman\",\"family\":\"roman\",\"size\":12,\"sub\":true}\n"
              "{\"text\":\"cde\",\"font\":\"Times New Roman\",\"family\":\"roman\",\"size\":12}\n"},
    FormatRow{"toggleParameters", R"({\rtf1\b1 a\b0 b\i c\i0 d\ul0 e\strike1 f\strike0 g})",
              "{\"paragraph\":1}\n"
              "{\"text\":\"a\",\"size\":12,\"bold\":true}\n"
              "{\"text\":\"b\",\"size\":12}\n"
              "{\"text\":\"c\",\"size\":12,\"italic\":true}\n"
              "{\"text\":\"de\",\"size\":12}\n"
              "{\"text\":\"f\",\"size\":12,\"strike\":true}\n"
              "{\"text\":\"g\",\"size\":12}\n"},
    // Control bytes show nothing, so the formats around them meet.
    FormatRow{"neighboursOfOneFormatAreOneRun", "{\\rtf1 a{\\i \x07}b{\\b \x01\x02}c\\i\\i0 d}",
              "{\"paragraph\":1}\n"
              "{\"text\":\"abcd\",\"size\":12}\n"},
    FormatRow{"underlineKinds", R"({\rtf1{\uldb a}{\uld b}{\uldash c}{\ulwave d}{\ulw e}{\ulth f}})",
              "{\"paragraph\":1}\n"
              "{\"text\":\"a\",\"size\":12,\"underline\":\"double\"}\n"
              "{\"text\":\"b\",\"size\":12,\"underline\":\"dotted\"}\n"
              "{\"text\":\"c\",\"size\":12,\"underline\":\"dashed\"}\n"
              "{\"text\":\"d\",\"size\":12,\"underline\":\"wave\"}\n"
              "{\"text\":\"e\",\"size\":12,\"underline\":\"words\"}\n"
              "{\"text\":\"f\",\"size\":12,\"underline\":\"thick\"}\n"},
    FormatRow{"upAndDownAreSuperAndSub", R"({\rtf1{\up6 a}{\dn6 b}{\up0 c}})",
              "{\"paragraph\":1}\n"
              "{\"text\":\"a\",\"size\":12,\"super\":true}\n"
              "{\"text\":\"b\",\"size\":12,\"sub\":true}\n"
              "{\"text\":\"c\",\"size\":12}\n"},
    FormatRow{"capitals", R"({\rtf1{\caps a}{\scaps b}})",
              "{\"paragraph\":1}\n"
              "{\"text\":\"a\",\"size\":12,\"caps\":\"all\"}\n"
              "{\"text\":\"b\",\"size\":12,\"caps\":\"small\"}\n"},
    FormatRow{"paragraphAttributes", R"({\rtf1\qc\li720\ri360\fi-240\sb120\sa60\sl-300 a\par\pard\qr b\par\qj\sl360\slmult1 c\par\sl280 d})",
              "{\"paragraph\":1,\"align\":\"center\",\"leftIndent\":720,\"rightIndent\":360,\"firstLineIndent\":-240,"
              "\"spaceBefore\":120,\"spaceAfter\":60,\"lineSpacing\":\"exactly\",\"lineSpacingValue\":300}\n"
              "{\"text\":\"a\",\"size\":12}\n"
              "{\"paragraph\":2,\"align\":\"right\"}\n"
              "{\"text\":\"b\",\"size\":12}\n"
              "{\"paragraph\":3,\"align\":\"justify\",\"lineSpacing\":\"multiple\",\"lineSpacingValue\":360}\n"
              "{\"text\":\"c\",\"size\":12}\n"
              "{\"paragraph\":4,\"align\":\"justify\",\"lineSpacing\":\"multiple\",\"lineSpacingValue\":280}\n"
              "{\"text\":\"d\",\"size\":12}\n"},
    FormatRow{"paragraphTakesStateAtItsMark", R"({\rtf1 a\qc\par b{\qr\par}c\par})",
              "{\"paragraph\":1,\"align\":\"center\"}\n"
              "{\"text\":\"a\",\"size\":12}\n"
              "{\"paragraph\":2,\"align\":\"right\"}\n"
              "{\"text\":\"b\",\"size\":12}\n"
              "{\"paragraph\":3,\"align\":\"center\"}\n"
              "{\"text\":\"c\",\"size\":12}\n"},
    FormatRow{"listItems", R"({\rtf1\pard\li720\fi-360\ls2\ilvl1{\listtext\pard\plain\f1 \tab b)\tab}Item\par\pard Not})",
              "{\"paragraph\":1,\"leftIndent\":720,\"firstLineIndent\":-360,\"list\":2,\"level\":1,\"marker\":\"b)\"}\n"
              "{\"text\":\"Item\",\"size\":12}\n"
              "{\"paragraph\":2}\n"
              "{\"text\":\"Not\",\"size\":12}\n"},
    FormatRow{"hyperlinks", R"({\rtf1{\field{\*\fldinst{HYPERLINK "https://a.example/x?y=1" \\o "tip"}}{\fldrslt{\ul a}}} {\field{\*\fldinst HYPERLINK \\l "part2"}{\fldrslt b}} {\field{\*\fldinst hyperlink https://c.example}{\fldrslt c}}})",
              "{\"paragraph\":1}\n"
              "{\"text\":\"a\",\"size\":12,\"underline\":\"single\",\"link\":\"https://a.example/x?y=1\"}\n"
              "{\"text\":\" \",\"size\":12}\n"
              "{\"text\":\"b\",\"size\":12,\"link\":\"#part2\"}\n"
              "{\"text\":\" \",\"size\":12}\n"
              "{\"text\":\"c\",\"size\":12,\"link\":\"https://c.example\"}\n"}
), rowName<FormatRow>);

} // namespace
