#include "script/compiler.h"

#include <QStringList>

#include <gtest/gtest.h>

using script::compile;
using script::ErrorStage;
using script::ScriptError;

namespace {

struct BadSource
{
    const char *name;
    QString source;
    QString message;
    int line;
    int column;
};

void PrintTo(const BadSource &row, std::ostream *os) { *os << row.name; }

class CompileError : public ::testing::TestWithParam<BadSource>
{
};

} // namespace

TEST_P(CompileError, SaysWhatAndWhere)
{
    const BadSource &row = GetParam();
    const auto compiled = compile(row.source);
    ASSERT_TRUE(std::holds_alternative<ScriptError>(compiled));
    const ScriptError &error = std::get<ScriptError>(compiled);
    EXPECT_EQ(error.stage, ErrorStage::compile);
    EXPECT_EQ(error.number, script::syntaxErrorNumber);
    EXPECT_EQ(error.message, row.message);
    EXPECT_EQ(error.line, row.line);
    EXPECT_EQ(error.column, row.column);
    EXPECT_EQ(error.description(),
              QStringLiteral("%1 (line %2, column %3)").arg(row.message).arg(row.line).arg(row.column));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CompileError,
    ::testing::Values(
        BadSource{"unclosed string", QStringLiteral("try\ndo shell script \"ls\n"),
                  QStringLiteral("Expected “\"” but found end of script."), 2, 17},
        BadSource{"unknown escape", QStringLiteral("return \"a\\qb\""),
                  QStringLiteral("Expected “\"” but found unknown token “\\q”."), 1, 10},
        BadSource{"backslash at the very end", QStringLiteral("return \"a\\"),
                  QStringLiteral("Expected “\"” but found end of script."), 1, 8},
        BadSource{"try without end", QStringLiteral("try\nreturn 1"),
                  QStringLiteral("Expected “end” or “end try” but found end of script."), 2, 9},
        BadSource{"tell closed as try", QStringLiteral("tell application \"Finder\"\nend try"),
                  QStringLiteral("Expected “end” or “end tell” but found “try”."), 2, 5},
        BadSource{"end without block", QStringLiteral("return 1\nend"),
                  QStringLiteral("Expected “try”, “tell”, “set”, “do shell script”, “return” or “end” but found “end”."), 2, 1},
        BadSource{"two handlers", QStringLiteral("try\non error\non error\nend try"),
                  QStringLiteral("Expected “end” but found “on”."), 3, 1},
        BadSource{"unknown statement", QStringLiteral("display dialog \"hi\""),
                  QStringLiteral("Expected “try”, “tell”, “set”, “do shell script”, “return” or “end” but found “display”."), 1, 1},
        BadSource{"half a command", QStringLiteral("do shell \"ls\""),
                  QStringLiteral("Expected “script” but found “\"”."), 1, 10},
        BadSource{"privileges misspelt", QStringLiteral("do shell script \"ls\" with admin privileges"),
                  QStringLiteral("Expected “administrator” but found “admin”."), 1, 27},
        BadSource{"trailing words", QStringLiteral("return 1 2"),
                  QStringLiteral("Expected end of line but found “2”."), 1, 10},
        BadSource{"unknown character", QStringLiteral("return 1 & 2"),
                  QStringLiteral("Expected end of line but found unknown token “&”."), 1, 10},
        BadSource{"comment is not in the language", QStringLiteral("-- note"),
                  QStringLiteral("Expected “try”, “tell”, “set”, “do shell script”, “return” or “end” but found “-”."), 1, 1},
        BadSource{"reserved word as variable", QStringLiteral("set try to 1"),
                  QStringLiteral("Expected variable name but found “try”."), 1, 5},
        BadSource{"set without value", QStringLiteral("set x to\n"),
                  QStringLiteral("Expected expression but found end of line."), 1, 9},
        BadSource{"tell without name", QStringLiteral("tell application Finder"),
                  QStringLiteral("Expected application name but found “Finder”."), 1, 18},
        BadSource{"CR line breaks count lines", QStringLiteral("try\rreturn 1\r\nend tell"),
                  QStringLiteral("Expected “end” or “end try” but found “tell”."), 3, 5},
        BadSource{"minus without number", QStringLiteral("return - x"),
                  QStringLiteral("Expected number but found “x”."), 1, 10},
        BadSource{"huge number", QStringLiteral("return 1") + QString(400, u'0') + QStringLiteral(".5"),
                  QStringLiteral("The number 1") + QString(400, u'0') + QStringLiteral(".5 is too large."), 1, 8}));

TEST(Compile, AcceptsTheInstallAndProbeShapesInAnyLetterCase)
{
    const QStringList sources{
        QStringLiteral("try\ndo shell script \"mkdir -p \\\"/a b/\\\"\" with administrator privileges\n\non error errMsg\n"
                       "return errMsg\nend try\nreturn \"Ok\""),
        QStringLiteral("            try\n            tell application \"Finder\"\n            set pathAppSupp to path "
                       "to application support\n            return 1\n            end tell\n            on error "
                       "errMsg\n            return 0\n            end try"),
        QStringLiteral("TRY\nDo Shell Script \"x\"  WITH Administrator PRIVILEGES\nOn Error E\nReturn e\nEnd\nRETURN -3"),
        QStringLiteral("do shell script \"echo \\\"line one\nline two\\\"\""),
        QStringLiteral(""),
        QStringLiteral("\n\n\t  \r\n"),
    };
    for (const QString &source : sources)
        EXPECT_TRUE(std::holds_alternative<script::Program>(compile(source))) << source.toStdString();
}

TEST(Compile, StaysFlatForDeepNesting)
{
    // A million nested blocks would overflow a recursive parser's stack.
    const int depth = 1000000;
    QString source;
    source.reserve(depth * 10);
    for (int i = 0; i < depth; ++i)
        source += QStringLiteral("try\n");
    EXPECT_EQ(std::get<ScriptError>(compile(source)).message,
              QStringLiteral("Expected “end” or “end try” but found end of script."));
    for (int i = 0; i < depth; ++i)
        source += QStringLiteral("end\n");
    EXPECT_TRUE(std::holds_alternative<script::Program>(compile(source)));
}
