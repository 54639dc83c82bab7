#include "rtf/codepage.h"
#include "rtf/unicode.h"

#include <gtest/gtest.h>

namespace {

struct ByteRow
{
    int codePage;
    unsigned char byte;
    char32_t expected;
};

class CodePage : public ::testing::TestWithParam<ByteRow>
{
};

TEST_P(CodePage, decodesTheByte)
{
    EXPECT_EQ(rtf::codepage::decode(GetParam().codePage, GetParam().byte), GetParam().expected)
        << "code page " << GetParam().codePage << " byte " << int(GetParam().byte);
}

INSTANTIATE_TEST_SUITE_P(Rows, CodePage, ::testing::Values(
    ByteRow{1252, 'A', U'A'},
    ByteRow{1252, 0x80, U'\u20AC'},
    ByteRow{1252, 0x93, U'\u201C'},
    ByteRow{1252, 0x81, U'\u0081'}, // undefined in 1252: the C1 control, as Windows reads it
    ByteRow{1252, 0xE9, U'\u00E9'},
    ByteRow{1252, 0xFF, U'\u00FF'},
    ByteRow{10000, 0x8E, U'\u00E9'},
    ByteRow{10000, 0xD2, U'\u201C'},
    ByteRow{10000, 0xA5, U'\u2022'},
    ByteRow{10000, 0xFF, U'\u02C7'},
    ByteRow{1250, 0x9A, U'\u0161'},
    ByteRow{1251, 0xC0, U'\u0410'},
    ByteRow{1253, 0xE1, U'\u03B1'},
    ByteRow{437, 0x82, U'\u00E9'},
    ByteRow{850, 0x90, U'\u00C9'},
    ByteRow{932, 0xE9, U'\u00E9'}, // unknown code pages read as 1252
    ByteRow{rtf::codepage::symbol, 0xB7, U'\u2022'},
    ByteRow{rtf::codepage::wingdings, 0xA7, U'\u25AA'},
    ByteRow{rtf::codepage::wingdings, 0xD8, U'\u27A2'}
));

struct CharsetRow
{
    int charset;
    const char *fontName;
    int expected;
};

class Charset : public ::testing::TestWithParam<CharsetRow>
{
};

TEST_P(Charset, selectsTheCodePage)
{
    EXPECT_EQ(rtf::codepage::forCharset(GetParam().charset, GetParam().fontName), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, Charset, ::testing::Values(
    CharsetRow{0, "Arial", 0},
    CharsetRow{1, "Arial", 0},
    CharsetRow{77, "Geneva", rtf::codepage::macRoman},
    CharsetRow{204, "Arial Cyr", 1251},
    CharsetRow{238, "Arial CE", 1250},
    CharsetRow{2, "Symbol", rtf::codepage::symbol},
    CharsetRow{2, "Wingdings", rtf::codepage::wingdings},
    CharsetRow{2, "wingdings 2", rtf::codepage::wingdings},
    CharsetRow{128, "MS Gothic", 0}
));

struct Utf8Row
{
    char32_t c;
    const char *expected;
};

class Utf8 : public ::testing::TestWithParam<Utf8Row>
{
};

TEST_P(Utf8, encodesScalarValuesAndReplacesTheRest)
{
    std::string out;
    rtf::unicode::appendUtf8(out, GetParam().c);
    EXPECT_EQ(out, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, Utf8, ::testing::Values(
    Utf8Row{U'A', "A"},
    Utf8Row{U'\u00E9', "\xC3\xA9"},
    Utf8Row{U'\u20AC', "\xE2\x82\xAC"},
    Utf8Row{U'\U0001F600', "\xF0\x9F\x98\x80"},
    Utf8Row{0xD800, "\xEF\xBF\xBD"},
    Utf8Row{0x110000, "\xEF\xBF\xBD"}
));

} // namespace
