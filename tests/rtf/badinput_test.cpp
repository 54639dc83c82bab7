#include "rtftestsupport.h"

#include "rtf/reader.h"

#include <gtest/gtest.h>

namespace {

std::string repeated(std::string_view piece, std::size_t count)
{
    std::string out;
    out.reserve(piece.size() * count);
    for (std::size_t i = 0; i < count; ++i)
        out += piece;
    return out;
}

struct BadRow
{
    const char *name;
    std::string rtf;
    std::string expected; // plain text, or "ERROR: ..." for a refused file
};

void PrintTo(const BadRow &row, std::ostream *out)
{
    *out << row.name;
}

class BadInput : public ::testing::TestWithParam<BadRow>
{
};

TEST_P(BadInput, givesSoundTextOrClearError)
{
    EXPECT_EQ(plainTextOf(GetParam().rtf), GetParam().expected);
}

const std::string notRtf = "ERROR: The file is not an RTF document, as it does not start with {\\rtf.";

// Damaged and hostile documents: each is refused with a clear description or
// read as far as it soundly goes, without a crash or a hang.
INSTANTIATE_TEST_SUITE_P(Rows, BadInput, ::testing::Values(
    BadRow{"emptyFile", "", "ERROR: The file is empty."},
    BadRow{"plainText", "Just some text", notRtf},
    BadRow{"htmlFile", "<html><body>x</body></html>", notRtf},
    BadRow{"leadingSpace", " {\\rtf1 x}", notRtf},
    BadRow{"onlyTheMagic", "{\\rtf", ""},
    BadRow{"truncatedInText", "{\\rtf1 {\\b bold", "bold"},
    BadRow{"truncatedInControlWord", "{\\rtf1 text\\pa", "text"},
    BadRow{"truncatedAfterBackslash", "{\\rtf1 text\\", "text"},
    BadRow{"truncatedInHex", "{\\rtf1 caf\\'e", "caf"},
    BadRow{"truncatedInSkippedDestination", "{\\rtf1 text{\\*\\generator Wri", "text"},
    BadRow{"truncatedInFontTable", "{\\rtf1{\\fonttbl{\\f0 Hel", ""},
    BadRow{"unclosedGroupsKeepText", "{\\rtf1 a{\\i b{\\b c", "abc"},
    BadRow{"strayClosingBraces", "{\\rtf1 a}}} b}", "a b"},
    BadRow{"strayBraceMidDocument", "{\\rtf1 {\\b a}} b\\par c}", "a b\nc"},
    BadRow{"deepNestingClosed", "{\\rtf1 " + repeated("{", 100000) + "deep" + repeated("}", 100000) + " after}", "deep after"},
    BadRow{"deepNestingOpen", "{\\rtf1 " + repeated("{\\b ", 100000) + "deep", "deep"},
    BadRow{"deepSkippedDestination", "{\\rtf1 a{\\*\\x " + repeated("{", 100000) + repeated("}", 100000) + "}b}", "ab"},
    BadRow{"longControlWord", "{\\rtf1 a\\" + std::string(40, 'x') + "123 b}", "ab"},
    BadRow{"veryLongControlWord", "{\\rtf1 a\\" + std::string(100000, 'q') + " b}", "ab"},
    BadRow{"hugeParameters", "{\\rtf1\\fs99999999999999999999\\li-99999999999\\sl99999999999 a\\ls-5\\ilvl77\\cf99999999999 b}", "ab"},
    BadRow{"hugeUnicode", "{\\rtf1 \\u99999999999999999?x}", "\xEF\xBF\xBDx"},
    BadRow{"hugeUnicodeSkip", "{\\rtf1 {\\uc99999999999\\u233 xyz}after}", "\u00E9after"},
    BadRow{"hugeFontNumber", "{\\rtf1{\\fonttbl{\\f99999999999 F;}}\\f99999999999 x}", "x"},
    BadRow{"binaryPastTheEnd", "{\\rtf1 a\\bin999999999 xyz", "a"},
    BadRow{"negativeBinary", "{\\rtf1 a\\bin-5 b}", "ab"},
    BadRow{"invalidHexDigits", "{\\rtf1 a\\'zzb\\'4gc}", "azzbgc"},
    BadRow{"hexControlByte", "{\\rtf1 a\\'00\\'07b}", "ab"},
    BadRow{"nulBytesInText", std::string("{\\rtf1 a\0b}", 11), "ab"},
    BadRow{"colorIndexOutOfRange", "{\\rtf1{\\colortbl;\\red1\\green2\\blue3;}\\cf7\\cb-3\\highlight99 x}", "x"},
    BadRow{"fieldWithoutInstruction", "{\\rtf1{\\field{\\fldrslt shown}}}", "shown"},
    BadRow{"ignorableMarkerAtGroupEnd", "{\\rtf1 a{\\*}b}", "ab"},
    BadRow{"ignorableMarkerAtEnd", "{\\rtf1 a\\*", "a"},
    BadRow{"asManyParagraphsAsALayoutAllows", "{\\rtf1 " + repeated("\\par ", rtf::maxParagraphs) + "}",
           std::string(rtf::maxParagraphs - 1, '\n')},
    BadRow{"moreParagraphsThanALayoutAllows", "{\\rtf1 " + repeated("\\par ", rtf::maxParagraphs + 1) + "}",
           "ERROR: The document has more than 100000 paragraphs."},
    BadRow{"asManyFormatsAsALayoutAllows", "{\\rtf1 " + repeated("\\b a\\b0 b", rtf::maxRuns / 2) + "}",
           repeated("ab", rtf::maxRuns / 2)},
    BadRow{"moreFormatsThanALayoutAllows", "{\\rtf1 " + repeated("\\b a\\b0 b\\b c\\b0 d\\par ", rtf::maxRuns / 4 + 1) + "}",
           "ERROR: The document changes its format more than 100000 times."}
), rowName<BadRow>);

TEST(BadInput, cappedNestingKeepsTheDeepestState)
{
    // Past the depth cap, groups no longer save state: the text is read with
    // the attributes of the deepest group that was kept.
    const rtf::FormattedText text = readOrFail("{\\rtf1 " + repeated("{", 5000) + "\\b bold" + repeated("}", 5000) + " plain}");
    ASSERT_EQ(text.paragraphs.size(), 1u);
    ASSERT_EQ(text.paragraphs[0].runs.size(), 2u);
    EXPECT_TRUE(text.paragraphs[0].runs[0].format.bold);
    EXPECT_FALSE(text.paragraphs[0].runs[1].format.bold);
}

TEST(BadInput, saturatedNumbersStayWithinRange)
{
    const rtf::FormattedText text =
        readOrFail("{\\rtf1\\fs99999999999\\li-99999999999\\ri99999999999\\sb-5\\sl-99999999999\\ilvl99 x}");
    ASSERT_EQ(text.paragraphs.size(), 1u);
    const rtf::ParagraphFormat &format = text.paragraphs[0].format;
    EXPECT_EQ(format.leftIndent, -31680);
    EXPECT_EQ(format.rightIndent, 31680);
    EXPECT_EQ(format.spaceBefore, 0);
    EXPECT_EQ(format.lineSpacing.rule, rtf::LineSpacingRule::Exactly);
    EXPECT_EQ(format.lineSpacing.value, 31680);
    EXPECT_EQ(format.listLevel, 8);
    EXPECT_EQ(text.paragraphs[0].runs[0].format.halfPoints, 3276);
}

TEST(BadInput, outputIsValidUtf8WhateverTheBytes)
{
    std::string bytes = "{\\rtf1\\ansi ";
    for (int i = 0; i < 256; ++i)
        bytes += static_cast<char>(i);
    for (int i = 0; i < 256; ++i) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\'%02x", i);
        bytes += hex;
    }
    const std::string text = readOrFail(bytes).plainText();
    // Every byte either starts a well-formed sequence or continues one.
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
        ASSERT_NE(length, 0u) << "at byte " << i;
        ASSERT_LE(i + length, text.size());
        for (std::size_t k = 1; k < length; ++k)
            ASSERT_EQ(static_cast<unsigned char>(text[i + k]) & 0xC0, 0x80) << "at byte " << i + k;
        i += length;
    }
}

} // namespace

namespace {

TEST(BadInput, longNamesAndLinksAreStoredOncePerDocument)
{
    // Runs refer to fonts and links by index, so a long link target shared by
    // thousands of runs costs its length once, and font names are capped.
    const std::string url = "https://veltrano.example/" + std::string(100000, 'x');
    const std::string rtf = "{\\rtf1{\\fonttbl{\\f0 " + std::string(100000, 'F') + ";}}\\f0{\\field{\\*\\fldinst HYPERLINK \""
                            + url + "\"}{\\fldrslt " + repeated("\\b a\\b0 b", 10000) + "}}}";
    const rtf::FormattedText text = readOrFail(rtf);
    ASSERT_EQ(text.links.size(), 1u);
    EXPECT_EQ(text.links.front(), url);
    ASSERT_EQ(text.fonts.size(), 1u);
    EXPECT_EQ(text.fonts.front().name.size(), 256u);
    ASSERT_EQ(text.paragraphs.size(), 1u);
    EXPECT_EQ(text.paragraphs[0].runs.size(), 20000u);
    EXPECT_EQ(text.link(text.paragraphs[0].runs.back().format), url);
}

TEST(BadInput, repeatedFieldResultsShareOneLink)
{
    const std::string url = "https://veltrano.example/" + std::string(10000, 'y');
    const rtf::FormattedText text =
        readOrFail("{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"" + url + "\"}{\\fldrslt a}" + repeated("{\\fldrslt b}", 5000) + "}}");
    ASSERT_EQ(text.links.size(), 1u);
    EXPECT_EQ(text.plainText(), "a" + std::string(5000, 'b'));
    EXPECT_EQ(text.link(text.paragraphs[0].runs.front().format), url);
}

} // namespace
