#include "install/installscript.h"
#include "install/scripthost.h"
#include "hostilenames.h"
#include "support/tempfolder.h"

#include <QFile>

#include <gtest/gtest.h>
#include <unistd.h>

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

// A bundle unpacked under a folder named like a product or a variant gets
// the script it gets anywhere else, but for the folder's own name.
TEST(ComposeScript, TheFoldersAboveTheBundleChangeNothingButThePaths)
{
    const Product::InstallTargets targets{QStringLiteral("/a/"), QStringLiteral("/p/"), QStringLiteral("/l/")};
    const QStringList plan = readLines(QStringLiteral("lightroom-then-plain.plan"));
    const QString expected = installscript::compose(targets, plan);
    for (const QString &above : {QStringLiteral("/home/u/Lightroom-work"), QStringLiteral("/tmp/Softhaze 3")}) {
        QStringList moved;
        for (const QString &element : plan)
            moved << above + element;
        QString script = installscript::compose(targets, moved);
        EXPECT_EQ(script.replace(above + QStringLiteral("/b/"), QStringLiteral("/b/")).toStdString(), expected.toStdString())
            << above.toStdString();
    }
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

// A pasted value passes the script's string literal and then the shell's
// double-quoted string; what a real shell receives must be the value itself.
TEST(PasteValue, RoundTripsHostileText)
{
    TempFolder folder;
    // The commands run in the test's working folder.
    const QString canary = QStringLiteral("veltrano-canary-%1").arg(getpid());
    const QString received = folder(QStringLiteral("received"));
    for (const QString &value : hostileNames(canary)) {
        const QString script = QStringLiteral("do shell script \"printf %s \\\"%1\\\" > \\\"%2\\\"\"")
                                   .arg(installscript::pasteValue(value), installscript::pasteValue(received));
        const ScriptOutcome outcome = scripthost::run(script);
        EXPECT_FALSE(outcome.errorDescription) << outcome.errorDescription.value_or(QString()).toStdString();
        QFile file(received);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << value.toStdString();
        EXPECT_EQ(file.readAll(), value.toUtf8()) << value.toStdString();
    }
    EXPECT_FALSE(QFile::exists(canary)) << "an injected command ran";
    QFile::remove(canary);
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
