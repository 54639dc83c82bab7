#include "install/installscript.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

QString readData(const QString &name)
{
    QFile file(QStringLiteral(VELTRANO_TEST_DATA_DIR "/install/data/") + name);
    if (!file.open(QIODevice::ReadOnly))
        ADD_FAILURE() << "cannot read " << name.toStdString();
    return QString::fromUtf8(file.readAll());
}

QStringList readLines(const QString &name)
{
    QStringList lines = readData(name).split(u'\n');
    lines.removeLast(); // every line ends with a line break
    return lines;
}

class ComposeScript : public ::testing::TestWithParam<const char *>
{
};

// Undoes the two layers a pasted value passes through: the AppleScript string
// literal first, then the shell's double-quoted string.
QString unpaste(const QString &pasted)
{
    QString shell;
    for (qsizetype i = 0; i < pasted.size(); ++i) {
        if (pasted[i] == u'\\' && i + 1 < pasted.size())
            ++i;
        shell += pasted[i];
    }
    QString value;
    for (qsizetype i = 0; i < shell.size(); ++i) {
        if (shell[i] == u'\\' && i + 1 < shell.size() && QStringView(u"\\\"$`").contains(shell[i + 1]))
            ++i;
        value += shell[i];
    }
    return value;
}

} // namespace

// Each case holds the three target folders, the plan and the exact script
// expected for them, compared byte for byte.
TEST_P(ComposeScript, MatchesTheExpectedScriptByteForByte)
{
    const QString name = QString::fromLatin1(GetParam());
    const QStringList folders = readLines(name + QStringLiteral(".targets"));
    ASSERT_EQ(folders.size(), 3);
    const Product::InstallTargets targets{folders[0], folders[1], folders[2]};
    const QString script = installscript::compose(targets, readLines(name + QStringLiteral(".plan")));
    EXPECT_EQ(script.toStdString(), readData(name + QStringLiteral(".script")).toStdString());
}

INSTANTIATE_TEST_SUITE_P(Plans, ComposeScript,
                         ::testing::Values("empty", "lightroom-only", "lightroom-then-plain", "plain-then-lightroom",
                                           "lower-case-is-plain", "digit-from-parent", "hostile-names"),
                         [](const auto &info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST(ComposeScript, PluginsFolderLineAppearsOnceBeforeTheFirstPlainEntry)
{
    const Product::InstallTargets targets{QStringLiteral("/a/"), QStringLiteral("/p/"), QStringLiteral("/l/")};
    const QString pluginsLine = QStringLiteral(R"(do shell script "mkdir -p \"/p/\"" with administrator privileges)");
    const QString script = installscript::compose(
        targets, {QStringLiteral("/x/Lightroom A"), QStringLiteral("/x/B"), QStringLiteral("/x/C"),
                  QStringLiteral("/x/Lightroom D"), QStringLiteral("/x/E")});
    EXPECT_EQ(script.count(pluginsLine), 1);
    EXPECT_LT(script.indexOf(QStringLiteral("/x/Lightroom A")), script.indexOf(pluginsLine));
    EXPECT_LT(script.indexOf(pluginsLine), script.indexOf(QStringLiteral(R"(\"/x/B\")")));
    EXPECT_FALSE(installscript::compose(targets, {QStringLiteral("/x/Lightroom A")}).contains(pluginsLine));
}

TEST(PasteValue, OrdinaryTextIsUnchanged)
{
    for (const QString &value : {QStringLiteral(""), QStringLiteral("/opt/Veltrano/Softhaze 3 Plug-in"),
                                 QStringLiteral("Caf\u00e9 \u00fcber 100% [name] 'single' -rf ~ * ?")})
        EXPECT_EQ(installscript::pasteValue(value), value);
}

TEST(PasteValue, EscapesForTheShellThenForTheLiteral)
{
    const struct
    {
        QString value;
        QString pasted;
    } rows[] = {
        {QStringLiteral("a\"b"), QStringLiteral(R"(a\\\"b)")},
        {QStringLiteral("a\\b"), QStringLiteral(R"(a\\\\b)")},
        {QStringLiteral("$HOME"), QStringLiteral(R"(\\$HOME)")},
        {QStringLiteral("`id`"), QStringLiteral(R"(\\`id\\`)")},
    };
    for (const auto &row : rows)
        EXPECT_EQ(installscript::pasteValue(row.value), row.pasted) << row.value.toStdString();
}

TEST(PasteValue, RoundTripsHostileText)
{
    const QString hostile[] = {
        QStringLiteral("\"; rm -rf / #"), QStringLiteral("$(touch canary)"), QStringLiteral("`touch canary`"),
        QStringLiteral("\\\"\\\\\\$"),      QStringLiteral("line\nbreak"),     QStringLiteral("trailing\\"),
        QStringLiteral("\\n\\t literal"), QStringLiteral("-rf"),             QStringLiteral("\u00e9\u00fc\U0001F600"),
    };
    for (const QString &value : hostile) {
        const QString pasted = installscript::pasteValue(value);
        EXPECT_EQ(unpaste(pasted), value) << value.toStdString();
        // Inside the literal, every double quote is escaped, so none can end it.
        for (qsizetype i = pasted.indexOf(u'"'); i >= 0; i = pasted.indexOf(u'"', i + 1)) {
            qsizetype backslashes = 0;
            while (i - 1 - backslashes >= 0 && pasted[i - 1 - backslashes] == u'\\')
                ++backslashes;
            EXPECT_EQ(backslashes % 2, 1) << value.toStdString();
        }
    }
}

TEST(AccessProbe, IsEightIndentedLinesWithoutAFinalBreak)
{
    const QString probe = installscript::accessProbe();
    const QStringList lines = probe.split(u'\n');
    const QStringList expected{"try",
                               "tell application \"Finder\"",
                               "set pathAppSupp to path to application support",
                               "return 1",
                               "end tell",
                               "on error errMsg",
                               "return 0",
                               "end try"};
    ASSERT_EQ(lines.size(), expected.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], QString(12, u' ') + expected[i]);
    EXPECT_FALSE(probe.endsWith(u'\n'));
}
