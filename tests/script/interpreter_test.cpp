#include "script/interpreter.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace script;

namespace {

// Answers commands from a table and records what was asked.
class FakeCommands final : public Commands
{
public:
    std::variant<ShellReply, RaisedError> doShellScript(const QString &command, Privileges privileges) override
    {
        asked.append((privileges == Privileges::administrator ? QStringLiteral("admin:") : QStringLiteral("user:"))
                     + command);
        if (command == u"fail")
            return ShellReply{3, "out\n", "bad thing\n"};
        if (command == u"cancel")
            return RaisedError{userCanceledNumber, QStringLiteral("User canceled.")};
        return ShellReply{0, command.toUtf8() + "\n", {}};
    }
    QString applicationSupportFolder() override { return QStringLiteral("/home/u/.local/share/"); }

    QStringList asked;
};

struct RunRow
{
    const char *name;
    QString source;
    std::optional<QString> result;
    std::optional<QString> error; // description
    QStringList asked;
};

void PrintTo(const RunRow &row, std::ostream *os) { *os << row.name; }

class Run : public ::testing::TestWithParam<RunRow>
{
};

} // namespace

TEST_P(Run, GivesResultErrorAndCommands)
{
    const RunRow &row = GetParam();
    FakeCommands commands;
    const Outcome outcome = script::run(row.source, commands);
    EXPECT_EQ(outcome.result, row.result);
    EXPECT_EQ(outcome.error ? std::optional<QString>(outcome.error->description()) : std::nullopt, row.error);
    EXPECT_EQ(commands.asked, row.asked);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Run,
    ::testing::Values(
        RunRow{"all commands succeed",
               QStringLiteral("try\ndo shell script \"a\" with administrator privileges\ndo shell script \"b\"\n"
                              "on error errMsg\nreturn errMsg\nend try\nreturn \"Ok\""),
               QStringLiteral("Ok"), std::nullopt, {QStringLiteral("admin:a"), QStringLiteral("user:b")}},
        RunRow{"the first failure is returned and the rest skipped",
               QStringLiteral("try\ndo shell script \"a\"\ndo shell script \"fail\"\ndo shell script \"c\"\n"
                              "on error errMsg\nreturn errMsg\nend try\nreturn \"Ok\""),
               QStringLiteral("bad thing"), std::nullopt, {QStringLiteral("user:a"), QStringLiteral("user:fail")}},
        RunRow{"a cancelled prompt is caught like any error",
               QStringLiteral("try\ndo shell script \"cancel\" with administrator privileges\n"
                              "on error errMsg\nreturn errMsg\nend try\nreturn \"Ok\""),
               QStringLiteral("User canceled."), std::nullopt, {QStringLiteral("admin:cancel")}},
        RunRow{"an error outside every handler ends the script", QStringLiteral("do shell script \"fail\"\nreturn 1"),
               std::nullopt, QStringLiteral("bad thing (error 3, line 1)"), {QStringLiteral("user:fail")}},
        RunRow{"cancel outside a handler", QStringLiteral("\ndo shell script \"cancel\" with administrator privileges"),
               std::nullopt, QStringLiteral("User canceled. (error -128, line 2)"), {QStringLiteral("admin:cancel")}},
        RunRow{"try without handler swallows the error",
               QStringLiteral("try\ndo shell script \"fail\"\ndo shell script \"skipped\"\nend try\nreturn 2"),
               QStringLiteral("2"), std::nullopt, {QStringLiteral("user:fail")}},
        RunRow{"an error in a handler reaches the outer handler",
               QStringLiteral("try\ntry\ndo shell script \"fail\"\non error\ndo shell script \"fail\"\nend try\n"
                              "on error m\nreturn \"outer \" \nend try"),
               QStringLiteral("outer "), std::nullopt, {QStringLiteral("user:fail"), QStringLiteral("user:fail")}},
        RunRow{"the probe answers 1",
               QStringLiteral("            try\n            tell application \"Finder\"\n            set pathAppSupp "
                              "to path to application support\n            return 1\n            end tell\n"
                              "            on error errMsg\n            return 0\n            end try"),
               QStringLiteral("1"), std::nullopt, {}},
        RunRow{"another application is not available",
               QStringLiteral("try\ntell application \"Mail\"\nreturn 1\nend tell\non error errMsg\nreturn errMsg\nend try"),
               QStringLiteral("Application “Mail” isn’t running."), std::nullopt, {}},
        RunRow{"variables ignore letter case", QStringLiteral("set Where to path to application support\nreturn wHERE"),
               QStringLiteral("/home/u/.local/share/"), std::nullopt, {}},
        RunRow{"an undefined variable is a run-time error", QStringLiteral("return nothing"), std::nullopt,
               QStringLiteral("The variable nothing is not defined. (error -2753, line 1)"), {}},
        RunRow{"the result of the last command is the script's result",
               QStringLiteral("do shell script \"two\nlines\""), QStringLiteral("two\rlines"), std::nullopt,
               {QStringLiteral("user:two\nlines")}},
        RunRow{"return without a value gives no result", QStringLiteral("return\nreturn 1"), std::nullopt,
               std::nullopt, {}},
        RunRow{"numbers are shown plainly", QStringLiteral("return -007"), QStringLiteral("-7"), std::nullopt, {}},
        RunRow{"reals keep their fraction", QStringLiteral("return 2.50"), QStringLiteral("2.5"), std::nullopt, {}},
        RunRow{"a command may be a variable",
               QStringLiteral("set c to \"x\\ty\"\ndo shell script c with administrator privileges"),
               QStringLiteral("x\ty"), std::nullopt, {QStringLiteral("admin:x\ty")}},
        RunRow{"a compile error runs nothing", QStringLiteral("do shell script \"a\"\ndo shell script \"b"),
               std::nullopt, QStringLiteral("Expected “\"” but found end of script. (line 2, column 17)"), {}},
        RunRow{"escapes in literals", QStringLiteral("return \"a\\\\b\\\"c\\nd\\re\""),
               QStringLiteral("a\\b\"c\nd\re"), std::nullopt, {}}));
