#include "catalogue/filename.h"

#include <gtest/gtest.h>

TEST(FileNames, DecodeToTextThatEncodesBackToTheSameBytes)
{
    const struct
    {
        const char *bytes;
        QString readable;
        bool raw;
    } rows[] = {
        {"Softhaze 3", QStringLiteral("Softhaze 3"), false},
        {"Gr\xc3\xbc\xc3\x9f" "e \xe5\x86\x99 \xf0\x9f\x98\x80", QStringLiteral("Grüße 写 \U0001F600"), false},
        {"Caf\xe9", QStringLiteral("Caf\\xE9"), true},
        {"\x80 lone continuation", QStringLiteral("\\x80 lone continuation"), true},
        {"overlong \xc0\xaf", QStringLiteral("overlong \\xC0\\xAF"), true},
        {"surrogate \xed\xa0\x80", QStringLiteral("surrogate \\xED\\xA0\\x80"), true},
        {"beyond U+10FFFF \xf4\x90\x80\x80", QStringLiteral("beyond U+10FFFF \\xF4\\x90\\x80\\x80"), true},
        {"cut short \xe5\x86", QStringLiteral("cut short \\xE5\\x86"), true},
        {"\xf0\x9f\x98\x80\xff\xf0\x9f\x98\x80", QStringLiteral("\U0001F600\\xFF\U0001F600"), true},
    };
    for (const auto &row : rows) {
        const QString name = filename::decode(row.bytes);
        EXPECT_EQ(filename::encode(name), QByteArray(row.bytes)) << row.bytes;
        EXPECT_EQ(filename::readable(name), row.readable) << row.bytes;
        EXPECT_EQ(filename::hasRawBytes(name), row.raw) << row.bytes;
    }
}
