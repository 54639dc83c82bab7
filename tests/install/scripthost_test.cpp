#include "hosttesting.h"

#include "support/tempfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <csignal>
#include <gtest/gtest.h>
#include <thread>

using namespace hosttesting;

namespace {

QString quoted(const QString &text)
{
    QString out = text;
    out.replace(u'\\', QStringLiteral("\\\\"));
    out.replace(u'"', QStringLiteral("\\\""));
    return u'"' + out + u'"';
}

// A script that runs `command` inside the install script's handler.
QString handled(const QString &command, const QString &privileges = QStringLiteral(" with administrator privileges"))
{
    return QStringLiteral("try\ndo shell script %1%2\non error errMsg\nreturn errMsg\nend try").arg(quoted(command), privileges);
}

struct PlainRow
{
    const char *name;
    QString source;
    std::optional<QString> result;
    std::optional<QString> error;
};

void PrintTo(const PlainRow &row, std::ostream *os) { *os << row.name; }

class PlainCommand : public ::testing::TestWithParam<PlainRow>
{
};

} // namespace

TEST_P(PlainCommand, FollowsDoShellScript)
{
    const PlainRow &row = GetParam();
    const ScriptOutcome outcome = runGuarded(row.source, direct());
    EXPECT_EQ(outcome.result, row.result);
    EXPECT_EQ(outcome.errorDescription, row.error);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PlainCommand,
    ::testing::Values(
        PlainRow{"output without its last line feed, others as returns",
                 QStringLiteral("do shell script \"printf 'a\\\\nb\\\\n\\\\n'\""), QStringLiteral("a\rb\r"), std::nullopt},
        PlainRow{"standard error is the message", handled(QStringLiteral("echo out; echo err >&2; exit 3"), {}),
                 QStringLiteral("err"), std::nullopt},
        PlainRow{"standard output when standard error is empty", handled(QStringLiteral("echo out; exit 3"), {}),
                 QStringLiteral("out"), std::nullopt},
        PlainRow{"the fixed sentence when both are empty", handled(QStringLiteral("exit 4"), {}),
                 QStringLiteral("The command exited with a non-zero status."), std::nullopt},
        PlainRow{"the exit status is the error number", QStringLiteral("do shell script \"exit 42\""), std::nullopt,
                 QStringLiteral("The command exited with a non-zero status. (error 42, line 1)")},
        PlainRow{"a missing program", QStringLiteral("\ndo shell script \"no-such-program-here\""), std::nullopt,
                 QStringLiteral("sh: 1: no-such-program-here: not found (error 127, line 2)")},
        PlainRow{"each command in a new shell", QStringLiteral("do shell script \"cd /tmp; x=1\"\ndo shell script \"echo ${x:-unset} $(pwd)\""),
                 QStringLiteral("unset /"), std::nullopt},
        PlainRow{"the file manager may be scripted",
                 QStringLiteral("try\ntell application \"Finder\"\nset p to path to application support\nreturn 1\n"
                                "end tell\non error errMsg\nreturn 0\nend try"),
                 QStringLiteral("1"), std::nullopt}));

TEST(ApplicationSupport, IsTheUsersDataFolderOfTheInstallTargets)
{
    // The environment's own value, relative here, must not take over.
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", "relative/data");
    const QString source = QStringLiteral("set p to path to application support\nreturn p");
    for (const auto &[dataFolder, expected] : {std::pair{QStringLiteral("/data/u"), QStringLiteral("/data/u/")},
                                               std::pair{QString(), QStringLiteral("/home/u/.local/share/")}}) {
        scripthost::Options options = direct();
        options.home = QStringLiteral("/home/u");
        options.userDataFolder = dataFolder;
        EXPECT_EQ(runGuarded(source, options).result, expected) << dataFolder.toStdString();
    }
    qputenv("XDG_DATA_HOME", saved);
}

TEST(PrivilegedCommand, RunsThroughOneHelperWithOnePromptForManyCommands)
{
    TempFolder temp;
    const QString prompts = temp(QStringLiteral("prompts"));
    // Stands in for pkexec: counts each start, then becomes the helper.
    scripthost::Options options =
        withLightroom(elevatedBy(QStringLiteral("echo prompt >> '%1'; exec \"$0\"").arg(prompts)), temp.path());
    options.user = QStringLiteral("anna");
    options.home = QStringLiteral("/home/anna");
    QString source = QStringLiteral("try\n");
    for (int i = 0; i < 5; ++i)
        source += asUser(QStringLiteral("echo $PPID:$USER:$HOME:$(pwd)"), temp(QStringLiteral("run%1").arg(i)));
    source += QStringLiteral("end try");
    const ScriptOutcome outcome = runGuarded(source, options);
    EXPECT_EQ(outcome.errorDescription, std::nullopt);
    QFile promptFile(prompts);
    ASSERT_TRUE(promptFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(promptFile.readAll(), "prompt\n");
    QStringList runs;
    for (int i = 0; i < 5; ++i) {
        QFile run(temp(QStringLiteral("run%1").arg(i)));
        ASSERT_TRUE(run.open(QIODevice::ReadOnly));
        runs << QString::fromUtf8(run.readAll());
    }
    EXPECT_EQ(runs.count(runs.front()), 5) << "every command ran under the same helper";
    EXPECT_TRUE(runs.front().endsWith(QStringLiteral(":anna:/home/anna:/\n"))) << runs.front().toStdString();
}

TEST(PrivilegedCommand, ShellTextRunsOnlyAsTheUserPkexecNames)
{
    if (!runningAsRoot())
        GTEST_SKIP() << "switching users needs root";
    TempFolder temp;
    ASSERT_EQ(chmod(QFile::encodeName(temp.path()).constData(), 0777), 0);
    // Root's helper, told by PKEXEC_UID that daemon (uid 1) asked.
    scripthost::Options asRoot = elevatedBy(QStringLiteral("exec /usr/bin/env PKEXEC_UID=1 \"$0\""));
    const QString who = temp(QStringLiteral("who"));
    const ScriptOutcome outcome = runGuarded(asUser(QStringLiteral("id -un; echo $USER $HOME"), who),
                                             withLightroom(asRoot, temp.path()));
    EXPECT_EQ(outcome.errorDescription, std::nullopt);
    QFile file(who);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "daemon\ndaemon /usr/sbin\n");
    // A helper that is not root cannot become another user, so it runs nothing.
    const ScriptOutcome refused = runGuarded(QStringLiteral("try\n") + asUser(QStringLiteral("id"), who)
                                                 + QStringLiteral("on error m\nreturn m\nend try"),
                                             withLightroom(asNobody(1), temp.path()));
    EXPECT_EQ(refused.result, QStringLiteral("cannot run a command as daemon: the helper runs as another user"));
}

TEST(PrivilegedCommand, PromptFailuresRaiseReadableErrors)
{
    struct Row
    {
        const char *name;
        scripthost::Options options;
        QString expected; // start of the message
        QString detail;   // also in the message
    };
    scripthost::Options noHelper = direct();
    noHelper.helperPath = QStringLiteral("/nonexistent/VeltranoHelper");
    scripthost::Options noPkexec = direct();
    noPkexec.elevation = {QStringLiteral("/nonexistent/pkexec")};
    const Row rows[] = {
        {"dismissed", elevatedBy(QStringLiteral("exit 126")), QStringLiteral("User canceled."), {}},
        {"not authorized",
         elevatedBy(QStringLiteral("echo 'Error executing command as another user: No authentication agent found.' >&2; exit 127")),
         QStringLiteral("/bin/sh said: Error executing command as another user: No authentication agent found.\n"),
         QStringLiteral("\nAdministrator privileges are not available. Likely causes:\nthe password was not accepted,\n"
                        "this user may not install software,\nor no authentication agent is running.\n")},
        {"no pkexec", noPkexec, QStringLiteral("Administrator privileges are not available: /nonexistent/pkexec cannot be started"),
         QStringLiteral("No such file or directory")},
        {"no helper", noHelper,
         QStringLiteral("Administrator privileges are not available: the privileged helper /nonexistent/VeltranoHelper"),
         QStringLiteral("No such file or directory")},
        {"helper fails to start", elevatedBy(QStringLiteral("exit 3")),
         QStringLiteral("The privileged helper stopped with status 3"), {}},
    };
    TempFolder temp;
    const QString command = asUser(QStringLiteral("true"), temp(QStringLiteral("ran")));
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        // A second privileged command neither prompts again nor runs.
        const ScriptOutcome outcome = runGuarded(QStringLiteral("try\n%1on error m\nend try\ntry\n%1on error m\nreturn m\nend try")
                                                     .arg(command),
                                                 withLightroom(row.options, temp.path()));
        ASSERT_TRUE(outcome.result);
        EXPECT_TRUE(outcome.result->startsWith(row.expected)) << outcome.result->toStdString();
        EXPECT_TRUE(outcome.result->contains(row.detail)) << outcome.result->toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(temp(QStringLiteral("ran"))));
    const ScriptOutcome unhandled =
        runGuarded(command, withLightroom(elevatedBy(QStringLiteral("exit 126")), temp.path()));
    EXPECT_EQ(unhandled.errorDescription, QStringLiteral("User canceled. (error -128, line 1)"));
}

TEST(PrivilegedCommand, BsdLnAndCpBehaveAsTheInstallCommandsExpect)
{
    TempFolder temp;
    temp.writeFile(QStringLiteral("src/-odd name/inner/file.txt"), "content");
    temp.makeFolder(QStringLiteral("dest"));
    const QString src = temp(QStringLiteral("src/-odd name"));
    const QString script = QStringLiteral(
        "try\n"
        "do shell script \"cp -R -f -- '%2/' '%1/dest/contents'\" with administrator privileges\n"
        "do shell script \"cp -R -f '%2/' '%1/dest/contents2/'\" with administrator privileges\n"
        "do shell script \"mkdir -p '%1/dest/contents2'\" with administrator privileges\n"
        "do shell script \"cp -R -f '%2/' '%1/dest/contents2/'\" with administrator privileges\n"
        "do shell script \"ln -f -h -s '%2' '%1/dest/link'\" with administrator privileges\n"
        "do shell script \"ln -f -h -s '%2' '%1/dest/link'\" with administrator privileges\n"
        "on error errMsg\nreturn errMsg\nend try\nreturn \"Ok\"")
                               .arg(temp.path(), src);
    EXPECT_EQ(runGuarded(script, withLightroom(direct(), temp.path())).result, QStringLiteral("Ok"));
    EXPECT_TRUE(QFileInfo::exists(temp(QStringLiteral("dest/contents/inner/file.txt"))));
    EXPECT_TRUE(QFileInfo::exists(temp(QStringLiteral("dest/contents2/inner/file.txt"))));
    EXPECT_FALSE(QFileInfo::exists(temp(QStringLiteral("dest/contents2/-odd name"))));
    EXPECT_EQ(QFileInfo(temp(QStringLiteral("dest/link"))).symLinkTarget(), src);
    EXPECT_FALSE(QFileInfo(src + QStringLiteral("/-odd name")).isSymLink()) << "the link was nested in the folder";
}

TEST(PrivilegedCommand, HelperKilledByItsOwnCommandEndsTheRunWithoutLeftovers)
{
    TempFolder temp;
    const QString marker = QStringLiteral("helper-kills-itself-%1").arg(getpid());
    const QString canary = temp(QStringLiteral("canary"));
    const ScriptOutcome outcome = runGuarded(
        QStringLiteral("try\n") + asUser(QStringLiteral("kill -9 $PPID; sleep 31.25; touch '%1'").arg(canary), temp(QStringLiteral("x")))
            + QStringLiteral("on error errMsg\nreturn errMsg\nend try\nreturn \"Ok\""),
        withLightroom(marked(direct(), marker), temp.path()));
    EXPECT_EQ(outcome.result,
              QStringLiteral("The privileged helper was ended by signal 9 (Killed) while running a command."));
    EXPECT_TRUE(eventuallyEmpty([&] { return processesMarked(marker); })) << "helper or guardian left";
    EXPECT_TRUE(eventuallyEmpty([] { return processesWithArgument(QStringLiteral("31.25")); })) << "command left";
    EXPECT_FALSE(QFileInfo::exists(canary));
}

TEST(PrivilegedCommand, HelperKilledFromOutsideDuringALongCommand)
{
    TempFolder temp;
    const QString marker = QStringLiteral("helper-killed-outside-%1").arg(getpid());
    scripthost::Options options = withLightroom(marked(direct(), marker), temp.path());
    std::thread killer;
    options.helperStarted = [&](pid_t helper) {
        killer = std::thread([helper] {
            // Wait until the command runs, then end the helper under it.
            eventuallyEmpty([] {
                return processesWithArgument(QStringLiteral("32.75")).isEmpty() ? QList<int>{0} : QList<int>{};
            });
            kill(helper, SIGKILL);
        });
    };
    const ScriptOutcome outcome = runGuarded(asUser(QStringLiteral("sleep 32.75"), temp(QStringLiteral("x"))), options);
    killer.join();
    EXPECT_EQ(outcome.errorDescription,
              QStringLiteral("The privileged helper was ended by signal 9 (Killed) while running a command. (error -10004, line 1)"));
    EXPECT_TRUE(eventuallyEmpty([&] { return processesMarked(marker); }));
    EXPECT_TRUE(eventuallyEmpty([] { return processesWithArgument(QStringLiteral("32.75")); }));
}

TEST(PrivilegedCommand, HelperEndsWhenItsParentDies)
{
    // The helper's input stays open (held by sleep), so only the parent's
    // death can end it.
    QProcess parent;
    parent.start(QStringLiteral("/bin/sh"),
                 {QStringLiteral("-c"), QStringLiteral("sleep 33.5 | '%1' & echo $!; wait").arg(helperPath())});
    ASSERT_TRUE(parent.waitForStarted());
    ASSERT_TRUE(parent.waitForReadyRead(10000));
    const int helper = parent.readLine().trimmed().toInt();
    ASSERT_GT(helper, 0);
    ASSERT_TRUE(QFileInfo::exists(QStringLiteral("/proc/%1").arg(helper)));
    kill(static_cast<pid_t>(parent.processId()), SIGKILL);
    parent.waitForFinished();
    EXPECT_TRUE(eventuallyEmpty([helper] {
        return QFileInfo::exists(QStringLiteral("/proc/%1").arg(helper)) ? QList<int>{helper} : QList<int>{};
    }));
    for (const int sleeper : processesWithArgument(QStringLiteral("33.5")))
        kill(sleeper, SIGKILL);
}

TEST(Progress, ReportsEachCommandAsItBeginsAndThePromptWhileItIsOpen)
{
    TempFolder temp;
    temp.makeFolder(QStringLiteral("source dir/inner"));
    const QString install = QStringLiteral("try\n"
                                           "do shell script \"true\"\n"
                                           "do shell script \"cp -R -f \\\"%1/\\\" \\\"%2\\\"\" with administrator privileges\n"
                                           "do shell script \"id\" with administrator privileges\n"
                                           "do shell script \"echo never\"\n"
                                           "on error errMsg\nreturn errMsg\nend try")
                                .arg(temp(QStringLiteral("source dir")), temp(QStringLiteral("copy")));
    const QString copied = QStringLiteral("source dir");
    // Root runs no shell text: the command is refused and nothing is asked for it.
    const QString refusal = QStringLiteral("The installer does not run this command with administrator privileges: id");
    const ScriptProgress first{1, 4, {}, false};
    const ScriptProgress third{3, 4, {}, false};
    const ScriptProgress copying{2, 4, copied, false};
    const ScriptProgress prompting{2, 4, copied, true};
    const struct
    {
        const char *name;
        QString source;
        scripthost::Options options;
        QList<ScriptProgress> reports;
        std::optional<QString> result;
    } rows[] = {
        {"a helper started directly asks nothing", install, withLightroom(direct(), temp.path()), {first, copying, third},
         refusal},
        {"the prompt is open until the helper answers", install,
         withLightroom(elevatedBy(QStringLiteral("sleep 0.2; exec \"$0\"")), temp.path()), {first, prompting, copying, third},
         refusal},
        {"a dismissed prompt closes too", install, withLightroom(elevatedBy(QStringLiteral("exit 126")), temp.path()),
         {first, prompting, copying}, QStringLiteral("User canceled.")},
        {"a compile error runs nothing", QStringLiteral("do shell script \"true"), direct(), {}, std::nullopt},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        QList<ScriptProgress> reports;
        scripthost::Options options = row.options;
        options.progress = [&reports](const ScriptProgress &progress) { reports.append(progress); };
        const ScriptOutcome outcome = runGuarded(row.source, options);
        EXPECT_EQ(outcome.result, row.result);
        ASSERT_EQ(reports.size(), row.reports.size());
        for (qsizetype i = 0; i < reports.size(); ++i) {
            const ScriptProgress &seen = reports[i];
            EXPECT_EQ(seen, row.reports[i]) << i << ": " << seen.command << " of " << seen.commandCount << " "
                                            << seen.copiedFolder.toStdString() << " " << seen.waitingForAuthentication;
        }
    }
}

TEST(PrivilegedCommand, ReadyIsToldOnceAfterTheStartAndBeforeTheFirstCommand)
{
    struct Row
    {
        const char *name;
        scripthost::Options options;
        QStringList events;
        QString result;
    };
    const Row rows[] = {
        {"started and up", direct(), {QStringLiteral("started"), QStringLiteral("ready")}, QStringLiteral("ran")},
        {"prompt dismissed", elevatedBy(QStringLiteral("exit 126")), {QStringLiteral("started")},
         QStringLiteral("User canceled.")},
        {"helper ends before it is up", elevatedBy(QStringLiteral("exit 3")), {QStringLiteral("started")},
         QStringLiteral("The privileged helper stopped with status 3 while running a command.")},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder temp;
        const QString ready = temp(QStringLiteral("ready"));
        QStringList events;
        scripthost::Options options = row.options;
        options.helperStarted = [&](pid_t) { events << QStringLiteral("started"); };
        options.helperReady = [&] {
            events << QStringLiteral("ready");
            QFile(ready).open(QIODevice::WriteOnly);
        };
        options = withLightroom(options, temp.path());
        // Each command finds what the notification left: it came first.
        const QString command =
            QStringLiteral("do shell script \"cp -R -f '%1' '%2'\" with administrator privileges\n").arg(ready, temp(QStringLiteral("copy")));
        const ScriptOutcome outcome = runGuarded(QStringLiteral("try\n") + command + command
                                                     + QStringLiteral("on error errMsg\nreturn errMsg\nend try\nreturn \"ran\""),
                                                 options);
        EXPECT_EQ(outcome.result, row.result);
        EXPECT_EQ(events, row.events);
    }
}
