#include "script/shellreply.h"

#include <gtest/gtest.h>

using namespace script;

TEST(ShellReply, ResultDropsOneTrailingLineFeedAndTurnsTheOthersIntoReturns)
{
    const std::pair<QByteArray, QString> rows[] = {
        {"", ""},
        {"Ok\n", "Ok"},
        {"Ok\n\n", "Ok\r"},
        {"a\nb\n", "a\rb"},
        {"no break", "no break"},
        {"crlf\r\n", "crlf\r"},
        {"gr\xc3\xbc\xc3\x9f" "e\n", QStringLiteral("grüße")},
    };
    for (const auto &[out, text] : rows)
        EXPECT_EQ(resultText(out), text) << out.toStdString();
}

TEST(ShellReply, FailureMessagePrefersStandardErrorThenOutputThenAFixedSentence)
{
    struct Row
    {
        ShellReply reply;
        RaisedError error;
    };
    const Row rows[] = {
        {{1, "out\n", "err\n"}, {1, QStringLiteral("err")}},
        {{2, "out\n", ""}, {2, QStringLiteral("out")}},
        {{2, "line 1\nline 2\n", ""}, {2, QStringLiteral("line 1\nline 2")}},
        {{127, "", "sh: 1: nope: not found\n\n"}, {127, QStringLiteral("sh: 1: nope: not found\n")}},
        {{1, "", ""}, {1, QStringLiteral("The command exited with a non-zero status.")}},
        {{-9, "", ""}, {137, QStringLiteral("The command was ended by signal 9.")}},
        {{-15, "", "partial\n"}, {143, QStringLiteral("partial")}},
    };
    for (const Row &row : rows)
        EXPECT_EQ(failureOf(row.reply), row.error) << row.reply.status;
}
