#include "install/copiedfolder.h"
#include "install/installscript.h"
#include "script/compiler.h"

#include <gtest/gtest.h>

namespace {

QString lastComponent(const QString &path) { return path.mid(path.lastIndexOf(u'/') + 1); }

// The shell commands of `script` as the script host is handed them.
QStringList commandsOf(const QString &script)
{
    auto compiled = script::compile(script);
    EXPECT_TRUE(std::holds_alternative<script::Program>(compiled)) << script.toStdString();
    QStringList commands;
    if (const auto *program = std::get_if<script::Program>(&compiled)) {
        for (const script::Instruction &step : program->instructions)
            if (step.op == script::Instruction::Op::doShellScript)
                commands.append(step.expression.value);
        EXPECT_EQ(script::shellCommandCount(*program), commands.size());
    }
    return commands;
}

} // namespace

// Composes real install scripts over hostile folder names and reads the copied
// folders back from the commands: every copy is named, under its own name,
// and nothing else is taken for a copy.
TEST(CopiedFolder, NamesEveryCopyOfAComposedScriptAndNothingElse)
{
    const Product::InstallTargets targets{QStringLiteral("/opt/V \"x\"/"), QStringLiteral("/p/$HOME/"),
                                          QStringLiteral("/l/`id`/")};
    const QStringList plan{
        QStringLiteral("/b/Products/Softhaze 3/Evil \"$(touch canary)\" `id` \\n Lightroom [name]"),
        QStringLiteral("/b/Products/Softhaze 3/-rf [element] $HOME"),
        QStringLiteral("/b/Products/Softhaze 4/it's; rm -rf / | cat > x & y"),
        QStringLiteral("/b/Products/Softhaze 4/Softhaze 4 Lightroom"),
        QStringLiteral("/b/Products/Softhaze 4/trailing\\"),
        QStringLiteral("/b/Products/Softhaze 4/caf\u00e9 \U0001F600"),
    };
    QStringList expected;
    for (const QString &element : plan) {
        expected.append(lastComponent(element));
        if (element.contains(u"Lightroom"))
            expected.append(element.contains(u"Softhaze 3") ? QStringLiteral("Veltrano Softhaze 3")
                                                            : QStringLiteral("Veltrano Softhaze 4"));
    }
    QStringList named;
    for (const QString &command : commandsOf(installscript::compose(targets, plan)))
        if (const QString name = copiedfolder::nameOf(command); !name.isEmpty())
            named.append(name);
    EXPECT_EQ(named, expected);
}

TEST(CopiedFolder, ReadsWordsTheWayTheShellDoes)
{
    const struct
    {
        const char *command;
        QString name;
    } rows[] = {
        {R"(cp -R -f "/a/b c/" "/d")", QStringLiteral("b c")},
        {R"(cp -- -x/y/ z)", QStringLiteral("y")},
        {R"(cp 'it'\''s'/'x y' z)", QStringLiteral("x y")},
        {R"(cp a\ b\"c d)", QStringLiteral("a b\"c")},
        {R"(cp "in\side\$" d)", QStringLiteral("in\\side$")},
        {R"(  cp   -R  /only)", QStringLiteral("only")},
        {R"(cp -R ///)", QString()},
        {R"(cp -R -f)", QString()},
        {R"(cp; rm x)", QString()},
        {R"(cpx a b)", QString()},
        {R"(mkdir -p "/a/b")", QString()},
        {R"(echo cp a b)", QString()},
        {"", QString()},
    };
    for (const auto &row : rows)
        EXPECT_EQ(copiedfolder::nameOf(QString::fromUtf8(row.command)), row.name) << row.command;
}
