#include "desktopuser.h"
#include "script/helper/helperprotocol.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>

#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace hosttesting;
using namespace usertesting;
using namespace desktopuser;


TEST_F(AsDesktopUser, AFreshHomeGetsTheSampleTreeAndNothingOfRoots)
{
    const Finished run = install(sampleResources);
    ASSERT_EQ(outcomeOf(run.out), QStringLiteral("Ok")) << run.out.toStdString() << run.err.toStdString();
    EXPECT_EQ(render(treeOf(world())), render(expectedSampleTree(sampleResources, world(), QStringLiteral("home/.local/share"))));
    EXPECT_EQ(ownedByRoot(user->home()), QStringList{});
    QDirIterator folders(user->home(), QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (folders.hasNext()) {
        struct stat info;
        ASSERT_EQ(lstat(encoded(folders.next()).constData(), &info), 0);
        EXPECT_EQ(info.st_uid, user->uid()) << folders.filePath().toStdString();
        EXPECT_EQ(info.st_gid, user->gid()) << folders.filePath().toStdString();
    }
}

TEST_F(AsDesktopUser, ShellTextRunsAsTheUserWithAllGroupsAndRootOnlyInstalls)
{
    const QString data = user->home() + QStringLiteral("/.local/share");
    const QString lightroom = data + QStringLiteral("/Adobe/Lightroom");
    userFolders(lightroom);
    const QString maker = world(QStringLiteral("opt/Veltrano"));
    temp.writeFile(QStringLiteral("script"),
                   (QStringLiteral("try\ndo shell script \"mkdir -p \\\"%1/\\\"\" with administrator privileges\n").arg(maker)
                    + asUser(QStringLiteral("id -u; id -g; id -G"), lightroom + QStringLiteral("/ids"))
                    + QStringLiteral("do shell script \"id -u > '%1/root-ids'\" with administrator privileges\n"
                                     "on error errMsg\nreturn errMsg\nend try\nreturn \"Ok\"")
                          .arg(world()))
                       .toUtf8());
    const Finished run = runInstaller(programs, {QStringLiteral("--elevation"), programs.elevation, QStringLiteral("--system-root"),
                                       world(), QStringLiteral("--script"), temp(QStringLiteral("script"))},
                                      user.get());
    EXPECT_EQ(run.out.section(QStringLiteral("RESULT "), 1).trimmed(),
              QStringLiteral("The installer does not run this command with administrator privileges: id -u > '%1/root-ids'").arg(world()))
        << run.out.toStdString();
    EXPECT_FALSE(QFileInfo::exists(world(QStringLiteral("root-ids"))));
    struct stat info;
    ASSERT_EQ(lstat(encoded(maker).constData(), &info), 0);
    EXPECT_EQ(info.st_uid, 0u) << "the maker's folder is root's";
    QFile ids(lightroom + QStringLiteral("/ids"));
    ASSERT_TRUE(ids.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = ids.readAll().trimmed().split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QByteArray::number(user->uid()));
    EXPECT_EQ(lines[1], QByteArray::number(user->gid()));
    QList<QByteArray> groups = lines[2].split(' ');
    std::sort(groups.begin(), groups.end());
    EXPECT_EQ(groups, (QList<QByteArray>{"100", QByteArray::number(user->gid())}));
}

TEST_F(AsDesktopUser, LinksTheUserOrTheBundlePlacedChangeNothingOfRootsAndFailTheRun)
{
    const QString element = QStringLiteral("Softhaze 3 Lightroom");
    const QString bundle = temp(QStringLiteral("bundle"));
    const QString source = bundle + QStringLiteral("/Products/Softhaze 3/") + element;
    const QString installed = world(QStringLiteral("opt/Veltrano/")) + element;
    struct Row
    {
        const char *name;
        std::function<void(AsDesktopUser &, const QString &victim)> plant;
        QString refusal; // what the failure says
        bool bundleLink;
    };
    const Row rows[] = {
        {"Modules is the user's link to a folder of root's",
         [](AsDesktopUser &t, const QString &victim) { t.userLink(victim, t.lightroom(QStringLiteral("Modules"))); },
         QStringLiteral("Permission denied"), false},
        {"the preset file is the user's link to a file of root's",
         [](AsDesktopUser &t, const QString &victim) {
             t.userLink(victim + QStringLiteral("/victim.txt"),
                        t.lightroom(QStringLiteral("External Editor Presets/Veltrano/Veltrano Softhaze 3.lrtemplate")));
         },
         QStringLiteral("Permission denied"), false},
        {"the export presets folder is the user's link to a folder of root's",
         [](AsDesktopUser &t, const QString &victim) {
             t.userLink(victim, t.lightroom(QStringLiteral("Export Presets/Veltrano Softhaze 3")));
         },
         QStringLiteral("Permission denied"), false},
        {"the bundle's presets folder is a link out of the product",
         [source](AsDesktopUser &, const QString &victim) {
             QDir(source + QStringLiteral("/Veltrano Softhaze 3")).removeRecursively();
             QFile::link(victim, source + QStringLiteral("/Veltrano Softhaze 3"));
         },
         QStringLiteral("the link '%1/Veltrano Softhaze 3' leads outside it (to '%2')").arg(installed, world(QStringLiteral("victim"))),
         true},
        {"the bundle's plug-in folder is a link out of the product",
         [source](AsDesktopUser &, const QString &victim) {
             QDir(source + QStringLiteral("/softhaze3.lrdevplugin")).removeRecursively();
             QFile::link(victim, source + QStringLiteral("/softhaze3.lrdevplugin"));
         },
         QStringLiteral("the link '%1/softhaze3.lrdevplugin' leads outside it").arg(installed), true},
        {"the bundle's Path.txt is a relative link out of the product",
         [source](AsDesktopUser &, const QString &) {
             symlink("../../../../../../victim/victim.txt",
                     encoded(source + QStringLiteral("/softhaze3.lrdevplugin/Path.txt")).constData());
         },
         QStringLiteral("the link '%1/softhaze3.lrdevplugin/Path.txt' leads outside it").arg(installed), true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        user->freshHome();
        QDir(world(QStringLiteral("opt"))).removeRecursively();
        QDir(bundle).removeRecursively();
        QDir().mkpath(QFileInfo(source).path());
        ASSERT_EQ(QProcess::execute(QStringLiteral("/bin/cp"),
                                    {QStringLiteral("-R"), sampleResources + QStringLiteral("/Products/Softhaze 3/") + element, source}),
                  0);
        const QString victimFolder = victim();
        row.plant(*this, victimFolder);
        const QString before = snapshot(victimFolder);

        const Finished run = install(bundle);
        EXPECT_TRUE(outcomeOf(run.out).contains(row.refusal)) << outcomeOf(run.out).toStdString();
        EXPECT_EQ(snapshot(victimFolder), before);
        EXPECT_EQ(ownedByRoot(user->home()), QStringList{});
        if (row.bundleLink) {
            EXPECT_FALSE(QFileInfo::exists(installed)) << "the refused copy was left in place";
        }
    }
}

TEST_F(AsDesktopUser, AnUpgradeGetsBackOnlyWhatRootLeftInTheInstallFolders)
{
    const struct
    {
        const char *name;
        bool secondNameOfASecret; // a hard link of root's secret among the leftovers
    } rows[] = {{"root's leftovers", false}, {"with a second name of root's secret among them", true}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        user->freshHome();
        QDir(world(QStringLiteral("opt"))).removeRecursively();
        const QString victimFolder = victim();
        // The user's own folders down to Lightroom; below it what an
        // installation that ran everything as root left behind.
        userFolders(lightroom());
        for (const char *folder : {"Export Presets/Veltrano Softhaze 3", "External Editor Presets/Veltrano", "Modules"})
            QDir().mkpath(lightroom(QString::fromLatin1(folder)));
        writeFile(lightroom(QStringLiteral("Export Presets/Veltrano Softhaze 3/Old.lrtemplate")), "old");
        QFile::link(QStringLiteral("/opt/Veltrano/gone"), lightroom(QStringLiteral("Modules/softhaze3.lrdevplugin")));
        const QString mine = writeFile(lightroom(QStringLiteral("External Editor Presets/Veltrano/Mine.lrtemplate")), "mine");
        giveTo(mine, user->uid(), 0);
        // The user's own link to root's folder.
        QFile::link(victimFolder, lightroom(QStringLiteral("Export Presets/Elsewhere")));
        giveTo(lightroom(QStringLiteral("Export Presets/Elsewhere")), user->uid(), user->gid());
        const QString secondName = lightroom(QStringLiteral("External Editor Presets/Veltrano/secret"));
        if (row.secondNameOfASecret) {
            ASSERT_EQ(link(encoded(victimFolder + QStringLiteral("/shadow")).constData(), encoded(secondName).constData()), 0);
        }
        const QString before = snapshot(victimFolder);

        const Finished run = install(sampleResources);
        EXPECT_EQ(snapshot(victimFolder), before);
        struct stat info;
        ASSERT_EQ(lstat(encoded(mine).constData(), &info), 0);
        EXPECT_EQ(info.st_gid, 0u) << "what is the user's already is left as it is";
        if (!row.secondNameOfASecret) {
            EXPECT_EQ(outcomeOf(run.out), QStringLiteral("Ok")) << run.out.toStdString();
            EXPECT_EQ(ownedByRoot(user->home()), QStringList{});
            continue;
        }
        // The user cannot take it over either, and the run says so.
        EXPECT_EQ(ownedByRoot(user->home()), QStringList{secondName});
        EXPECT_TRUE(outcomeOf(run.out).contains(QStringLiteral("secret"))) << run.out.toStdString();
        QFile::remove(secondName);
    }
}

// Root gives back only folders an installation makes: not a folder of
// root's above them that the environment points into, and not a file of
// root's that the user moved into one of the user's folders.
TEST_F(AsDesktopUser, GiveBackLeavesFoldersAboveAndFilesTheUserMovedIn)
{
    const QString locked = user->home() + QStringLiteral("/locked");
    writeFile(locked + QStringLiteral("/admin.txt"), "the administrator's");
    chmod(encoded(locked + QStringLiteral("/admin.txt")).constData(), 0600);
    const QString dropped = user->home() + QStringLiteral("/drop");
    userFolders(dropped + QStringLiteral("/x"));
    const QString moved = writeFile(dropped + QStringLiteral("/root-only"), "root's");
    chmod(encoded(moved).constData(), 0600);
    const QString lightroom = user->home() + QStringLiteral("/data/Adobe/Lightroom");
    userFolders(lightroom + QStringLiteral("/External Editor Presets/Veltrano"));
    const QString planted = lightroom + QStringLiteral("/External Editor Presets/Veltrano/Planted.lrtemplate");
    ASSERT_EQ(rename(encoded(moved).constData(), encoded(planted).constData()), 0);
    const QString lockedBefore = snapshot(locked);

    for (const QString &dataHome : {locked, user->home() + QStringLiteral("/data")}) {
        SCOPED_TRACE(dataHome.toStdString());
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
        runInstaller(programs, {QStringLiteral("--elevation"), programs.elevation, QStringLiteral("--system-root"), world(),
                                QStringLiteral("--install"), sampleResources},
                     user.get(), environment);
        EXPECT_EQ(snapshot(locked), lockedBefore);
        struct stat info;
        ASSERT_EQ(lstat(encoded(planted).constData(), &info), 0);
        EXPECT_EQ(info.st_uid, 0u) << "a file of root's the user moved in was given away";
    }
}

// A data folder outside the home: what root left in its Lightroom folder
// goes back to the user when the data folder is the user's own, and stays
// root's when the data folder is root's, whatever the environment names.
TEST_F(AsDesktopUser, GiveBackReachesADataFolderOutsideTheHomeOnlyWhenItIsTheUsers)
{
    const struct
    {
        const char *name;
        bool usersOwn;
    } rows[] = {{"the user's data folder", true}, {"a folder of root's named as the data folder", false}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        user->freshHome();
        QDir(world(QStringLiteral("opt"))).removeRecursively();
        const QString data = temp(QStringLiteral("elsewhere/data"));
        QDir(data).removeRecursively();
        const QString lightroom = data + QStringLiteral("/Adobe/Lightroom");
        for (const char *folder : {"Export Presets/Veltrano Softhaze 3", "External Editor Presets/Veltrano", "Modules"})
            QDir().mkpath(lightroom + u'/' + QString::fromLatin1(folder));
        writeFile(lightroom + QStringLiteral("/Export Presets/Veltrano Softhaze 3/Old.lrtemplate"), "old");
        QFile::link(QStringLiteral("/opt/Veltrano/gone"), lightroom + QStringLiteral("/Modules/softhaze3.lrdevplugin"));
        for (const QString &mine : {lightroom, data + QStringLiteral("/Adobe")})
            giveTo(mine, user->uid(), user->gid());
        if (row.usersOwn)
            giveTo(data, user->uid(), user->gid());
        const QStringList rootsBefore = ownedByRoot(data);
        ASSERT_FALSE(rootsBefore.isEmpty());

        QProcessEnvironment environment;
        environment.insert(QStringLiteral("XDG_DATA_HOME"), data);
        const Finished run = runInstaller(programs, {QStringLiteral("--elevation"), programs.elevation, QStringLiteral("--system-root"),
                                                     world(), QStringLiteral("--install"), sampleResources},
                                          user.get(), environment);
        if (row.usersOwn) {
            EXPECT_EQ(outcomeOf(run.out), QStringLiteral("Ok")) << run.out.toStdString() << run.err.toStdString();
            EXPECT_EQ(ownedByRoot(data), QStringList{});
        } else {
            EXPECT_NE(outcomeOf(run.out), QStringLiteral("Ok"));
            EXPECT_EQ(ownedByRoot(data), rootsBefore);
        }
    }
}

TEST_F(AsDesktopUser, NoOtherProcessOfTheUserCanOpenTheInstallersPipes)
{
    userFolders(lightroom());
    const QString home = user->home();
    temp.writeFile(QStringLiteral("script"),
                   asUser(QStringLiteral("touch '%1/ready'; while [ ! -e '%1/done' ]; do sleep 0.05; done").arg(home),
                          lightroom(QStringLiteral("out")))
                       .toUtf8());
    std::unique_ptr<QProcess> installer(startInstaller(
        programs, {QStringLiteral("--elevation"), programs.elevation, QStringLiteral("--script"), temp(QStringLiteral("script"))},
        user.get()));
    ASSERT_TRUE(eventuallyExists(home + QStringLiteral("/ready")));

    // Reopening a file through its own shell's descriptors shows that the way in works at all.
    const QString attack = QStringLiteral(
        "exec 5</etc/hostname; (exec 3</proc/$$/fd/5) 2>/dev/null && echo control; "
        "for f in $(seq 0 40); do (exec 3>/proc/%1/fd/$f) 2>/dev/null && echo write $f; "
        "(exec 3</proc/%1/fd/$f) 2>/dev/null && echo read $f; done")
                               .arg(installer->processId());
    QProcess attacker;
    attacker.start(QStringLiteral("/usr/bin/setpriv"),
                   {QStringLiteral("--reuid=%1").arg(user->uid()), QStringLiteral("--regid=%1").arg(user->gid()),
                    QStringLiteral("--init-groups"), QStringLiteral("/bin/sh"), QStringLiteral("-c"), attack});
    ASSERT_TRUE(attacker.waitForFinished(60000));
    EXPECT_EQ(attacker.readAllStandardOutput(), "control\n");

    writeFile(home + QStringLiteral("/done"), {});
    ASSERT_TRUE(installer->waitForFinished(60000));
    EXPECT_FALSE(installer->readAllStandardOutput().contains("ERROR"));
}

TEST_F(AsDesktopUser, ElevationIsTheSystemsOwnPkexecAndAStagedInstallHasNone)
{
    // A pkexec of the user's, first on PATH.
    const QString planted = temp(QStringLiteral("planted"));
    const QString ran = temp(QStringLiteral("planted-ran"));
    writeFile(planted + QStringLiteral("/pkexec"), QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(ran).toUtf8());
    chmod(encoded(planted + QStringLiteral("/pkexec")).constData(), 0755);
    QProcessEnvironment path;
    path.insert(QStringLiteral("PATH"), planted + QStringLiteral(":/usr/bin:/bin"));

    const Finished elevated = runInstaller(programs, {QStringLiteral("--system-root"), world(), QStringLiteral("--install"), sampleResources},
                                           user.get(), path);
    EXPECT_FALSE(QFileInfo::exists(ran)) << "the planted pkexec ran";
    // The system's pkexec has no authority to ask here, so nothing is
    // installed; what it said comes first.
    EXPECT_TRUE(outcomeOf(elevated.out).startsWith(QStringLiteral("/usr/bin/pkexec said: "))) << elevated.out.toStdString();
    EXPECT_TRUE(elevated.out.contains(QStringLiteral("\nAdministrator privileges are not available. Likely causes:")))
        << elevated.out.toStdString();
    EXPECT_FALSE(QFileInfo::exists(world(QStringLiteral("opt"))));

    const QString work = temp(QStringLiteral("work"));
    QDir().mkpath(work);
    giveTo(work, user->uid(), user->gid());
    QProcessEnvironment staged = path;
    staged.insert(QStringLiteral("VELTRANO_INSTALL_ROOT"), QStringLiteral("stage"));
    const Finished run = runInstaller(programs, {QStringLiteral("--install"), sampleResources}, user.get(), staged, work);
    EXPECT_EQ(outcomeOf(run.out), QStringLiteral("Ok")) << run.out.toStdString() << run.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(ran));
    EXPECT_TRUE(QFileInfo(work + QStringLiteral("/stage/opt/Veltrano/Softhaze 3 Lightroom/softhaze3.lrdevplugin/Path.txt")).isFile());
    EXPECT_EQ(ownedByRoot(work), QStringList{});
    EXPECT_EQ(ownedByRoot(user->home()), QStringList{});
}

TEST(Runs, NothingACommandStartedOutlivesItTheHelperOrTheInstaller)
{
    if (!runningAsRoot())
        GTEST_SKIP() << "the helper starts directly only as root";
    enum class Ending { commandEnds, installerKilled, helperKilled, commandKillsServer };
    struct Row
    {
        const char *name;
        Ending ending;
        const char *command; // %1 is the marker, a sleep time no other test uses
    };
    // After the command, the processes with the marker that are left, into
    // a file; the pattern does not match itself.
    const QString whatIsLeft = QStringLiteral("grep -l '4[1][.]%1' /proc/[0-9]*/cmdline 2>/dev/null");
    const Row rows[] = {
        {"closes its output and runs on", Ending::commandEnds, "exec >/dev/null 2>&1; sleep 41.%1 &"},
        {"starts a new session", Ending::commandEnds, "setsid sleep 41.%1 </dev/null >/dev/null 2>&1 &"},
        {"closes its output, installer killed", Ending::installerKilled, "exec >/dev/null 2>&1; sleep 41.%1 & sleep 41.%1"},
        {"new session, installer killed", Ending::installerKilled, "setsid sleep 41.%1 </dev/null >/dev/null 2>&1 & sleep 41.%1"},
        {"new session, helper killed", Ending::helperKilled, "setsid sleep 41.%1 </dev/null >/dev/null 2>&1 & sleep 41.%1"},
        {"new session, then kills the helper's server", Ending::commandKillsServer,
         "setsid sleep 41.%1 </dev/null >/dev/null 2>&1 & sleep 0.2; kill -9 $PPID; sleep 41.%1"},
    };
    TempFolder temp;
    int index = 0;
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const QString marker = QStringLiteral("41.%1").arg(++index);
        const QString command = QString::fromLatin1(row.command).arg(index);
        const QString left = temp(QStringLiteral("left%1").arg(index));
        QString script = asUser(command, temp(QStringLiteral("out%1").arg(index)));
        if (row.ending == Ending::commandEnds)
            script += asUser(whatIsLeft.arg(index), left);
        const QString file = temp(QStringLiteral("script%1").arg(index));
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(script.toUtf8());
        out.close();
        std::unique_ptr<QProcess> installer(
            startInstaller(Programs{}, {QStringLiteral("--lightroom"), temp.path(), QStringLiteral("--script"), file}, nullptr));
        ASSERT_TRUE(installer->waitForStarted());
        if (row.ending == Ending::commandEnds) {
            ASSERT_TRUE(installer->waitForFinished(60000));
            EXPECT_EQ(installer->readAllStandardOutput().contains("ERROR"), false);
            QFile found(left);
            ASSERT_TRUE(found.open(QIODevice::ReadOnly));
            EXPECT_EQ(found.readAll().trimmed(), "") << "a process was left after its command";
        } else {
            ASSERT_TRUE(installer->waitForReadyRead(30000));
            const pid_t helper = QString::fromUtf8(installer->readLine()).section(u' ', 1).trimmed().toInt();
            ASSERT_GT(helper, 0);
            if (row.ending != Ending::commandKillsServer) {
                // The command and what it started run before anything is killed.
                ASSERT_TRUE(waitUntil([&] { return processesWithArgument(marker).size() >= 2; }));
            }
            if (row.ending == Ending::installerKilled)
                kill(static_cast<pid_t>(installer->processId()), SIGKILL);
            else if (row.ending == Ending::helperKilled)
                kill(helper, SIGKILL);
            ASSERT_TRUE(installer->waitForFinished(60000));
        }
        EXPECT_TRUE(waitUntil([&] { return processesWithArgument(marker).isEmpty(); })) << "left running: " << marker.toStdString();
        for (const int left : processesWithArgument(marker))
            kill(left, SIGKILL);
    }
}

TEST(Runs, NoRequestRunsAfterTheEndOfTheRunThoughSomeoneHoldsThePipe)
{
    if (!runningAsRoot())
        GTEST_SKIP() << "the helper starts directly only as root";
    TempFolder temp;
    const QString late = temp(QStringLiteral("late"));
    int held = -1;
    QString pipe;
    scripthost::Options options = withLightroom(direct(), temp.path());
    pid_t helper = -1;
    options.helperStarted = [&](pid_t pid) { helper = pid; };
    // Once the helper is up, a second writer opens its request pipe through
    // /proc (root may), as another process would have before.
    options.helperReady = [&] {
        QFile children(QStringLiteral("/proc/%1/task/%1/children").arg(helper));
        ASSERT_TRUE(children.open(QIODevice::ReadOnly));
        const QString server = QString::fromLatin1(children.readAll()).trimmed();
        pipe = linkText(QStringLiteral("/proc/%1/fd/0").arg(server));
        for (const QString &fd : QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::System | QDir::Files)) {
            const QString path = QStringLiteral("/proc/self/fd/") + fd;
            if (held < 0 && linkText(path) == pipe)
                held = ::open(encoded(path).constData(), O_WRONLY | O_CLOEXEC);
        }
    };
    const ScriptOutcome outcome = runGuarded(asUser(QStringLiteral("true"), temp(QStringLiteral("out"))) + QStringLiteral("return \"Ok\""),
                                             options, std::chrono::seconds(30));
    EXPECT_EQ(outcome.result, QStringLiteral("Ok"));
    ASSERT_GE(held, 0) << "the pipe was not found";

    helperprotocol::Request request;
    request.kind = helperprotocol::RequestKind::userCommand;
    request.text = QStringLiteral("touch '%1'").arg(late).toStdString();
    const std::string bytes = helperprotocol::encode(request);
    const auto previous = signal(SIGPIPE, SIG_IGN);
    (void)!::write(held, bytes.data(), bytes.size());
    signal(SIGPIPE, previous);
    ::close(held);
    // The server runs a request to its end before it reads on; once nobody
    // holds the pipe, a request that was read has run.
    ASSERT_TRUE(waitUntil([&] { return processesHolding(pipe).isEmpty(); })) << "the pipe is still held";
    EXPECT_FALSE(QFileInfo::exists(late)) << "a request after the end of the run was executed";

    // The helper on its own: a request after the end in the same write is never read.
    QProcess raw;
    raw.start(helperPath(), {});
    ASSERT_TRUE(raw.waitForStarted());
    helperprotocol::Request first;
    first.kind = helperprotocol::RequestKind::userCommand;
    first.text = "echo first";
    helperprotocol::Request end;
    end.kind = helperprotocol::RequestKind::endOfRun;
    raw.write(QByteArray::fromStdString(helperprotocol::encode(first) + helperprotocol::encode(end) + bytes));
    ASSERT_TRUE(raw.waitForFinished(30000));
    EXPECT_EQ(raw.exitCode(), 0);
    EXPECT_TRUE(raw.readAllStandardOutput().contains("first\n"));
    EXPECT_FALSE(QFileInfo::exists(late));
}
