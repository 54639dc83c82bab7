#include "hostilenames.h"
#include "installworld.h"

#include "platform/linesink.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace hosttesting;

namespace {

// The settings of one installation that has reached the install page.
struct InstallRun
{
    explicit InstallRun(const InstallWorld &world)
        : settings(world.environment())
    {
        settings.refreshProducts();
        settings.setCurrentPage(Page::install);
    }

    QStringList install()
    {
        linesink::Capture output;
        settings.installSelectedProducts();
        applyOutcome();
        return output.lines();
    }

    AppSettings settings;
};

} // namespace

TEST(BadInput, HostileFolderNamesInstallUnderTheirOwnNamesAndRunNothing)
{
    InstallWorld world;
    TempFolder resources;
    world.resourceFolder = resources.path();
    const QString canary = QStringLiteral("veltrano-canary-%1").arg(getpid());
    // A command that ran would create the canary in the commands' working
    // folder, the root folder.
    const QStringList names = hostileNames(canary);
    for (const QString &name : names)
        resources.writeFile(QStringLiteral("Products/Hostile/") + name + QStringLiteral("/payload.txt"), name.toUtf8());
    // A Lightroom variant with a hostile name carries its name into
    // Path.txt and the preset file.
    const QString product = QStringLiteral("Softhaze 3 \"$(touch %1)\"").arg(canary);
    const QString lightroom = QStringLiteral("`touch %1` \\ Lightroom \"q\"").arg(canary);
    const QString variant = QStringLiteral("Products/") + product + u'/' + lightroom;
    resources.writeFile(variant + QStringLiteral("/softhaze3.lrdevplugin/Info.lua"), "info");
    resources.writeFile(variant + QStringLiteral("/Veltrano Softhaze 3/Preset.lrtemplate"), "preset");
    resources.writeFile(variant + QStringLiteral("/Softhaze3.app/Contents/softhaze3"), "app");

    InstallRun run(world);
    ASSERT_EQ(run.settings.elementsToCopy().size(), names.size() + 1);
    const QStringList lines = run.install();
    EXPECT_EQ(lines.value(1), QStringLiteral("ERROR VALUE Ok"));
    EXPECT_EQ(run.settings.currentPage(), Page::summary);
    EXPECT_FALSE(run.settings.completedWithErrors()) << run.settings.logDetailsStr().toStdString();

    const QString maker = world.applications() + QStringLiteral("/Veltrano/");
    const QString plugins = world.applicationSupport() + QStringLiteral("/Adobe/Plug-Ins/CC/Veltrano/");
    for (const QString &name : names) {
        SCOPED_TRACE(name.toStdString());
        QFile payload(maker + name + QStringLiteral("/payload.txt"));
        ASSERT_TRUE(payload.open(QIODevice::ReadOnly));
        EXPECT_EQ(payload.readAll(), name.toUtf8());
        EXPECT_EQ(QFileInfo(plugins + name).symLinkTarget(), maker + name);
    }
    EXPECT_EQ(QDir(maker).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), names.size() + 1);

    const QString installed = maker + lightroom;
    QFile path(installed + QStringLiteral("/softhaze3.lrdevplugin/Path.txt"));
    ASSERT_TRUE(path.open(QIODevice::ReadOnly));
    EXPECT_EQ(path.readAll(), installed.toUtf8() + '\n');
    QFile preset(world.userData() + QStringLiteral("/Adobe/Lightroom/External Editor Presets/Veltrano/Veltrano Softhaze 3.lrtemplate"));
    ASSERT_TRUE(preset.open(QIODevice::ReadOnly));
    // Inside the preset's Lua string the name's backslash and quotes are escaped.
    const QString luaInstalled = maker + QStringLiteral("`touch %1` \\\\ Lightroom \\\"q\\\"").arg(canary);
    EXPECT_TRUE(preset.readAll().contains("externalEditorFullPath = \"" + luaInstalled.toUtf8() + "/Softhaze3.app\",\n"));
    EXPECT_TRUE(QFileInfo::exists(world.userData() + QStringLiteral("/Adobe/Lightroom/Export Presets/Veltrano Softhaze 3/Preset.lrtemplate")));

    for (const QString &folder : {QStringLiteral("/"), QDir::currentPath(), QDir::homePath(), world.root.path()}) {
        EXPECT_FALSE(QFileInfo::exists(folder + u'/' + canary)) << "an injected command ran in " << folder.toStdString();
        QFile::remove(folder + u'/' + canary);
    }
}

TEST(BadInput, AFileWhereAFolderMustBeStopsTheInstallationAtThatCommand)
{
    InstallWorld world;
    // Lightroom's Modules is a file: the fifth command of the first
    // Lightroom block fails.
    world.root.writeFile(QStringLiteral("xdg/Adobe/Lightroom/Modules"), "not a folder");
    InstallRun run(world);
    const QStringList lines = run.install();

    // The message is the one the failing command gives on its own.
    QProcess same;
    same.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("mkdir -p \"%1/Adobe/Lightroom/Modules/\"").arg(world.userData())});
    same.waitForFinished();
    const QString message = QString::fromLocal8Bit(same.readAllStandardError()).chopped(1);
    ASSERT_FALSE(message.isEmpty());

    EXPECT_EQ(run.settings.logDetailsStr(), message);
    EXPECT_TRUE(run.settings.completedWithErrors());
    EXPECT_EQ(run.settings.currentPage(), Page::summary);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines.at(1), QStringLiteral("ERROR VALUE ") + message);
    // Commands before it ran, none after it.
    EXPECT_TRUE(QFileInfo::exists(world.applications() + QStringLiteral("/Veltrano/Softhaze 3 Lightroom/softhaze3.lrdevplugin")));
    EXPECT_TRUE(QFileInfo(world.userData() + QStringLiteral("/Adobe/Lightroom/Export Presets/Veltrano Softhaze 3")).isDir());
    EXPECT_FALSE(QFileInfo::exists(world.applications() + QStringLiteral("/Veltrano/Softhaze 3 Lightroom/softhaze3.lrdevplugin/Path.txt")));
    EXPECT_FALSE(QFileInfo::exists(world.userData() + QStringLiteral("/Adobe/Lightroom/External Editor Presets/Veltrano/Veltrano Softhaze 3.lrtemplate")));
    EXPECT_FALSE(QFileInfo::exists(world.applicationSupport()));
}

TEST(BadInput, AReadOnlyFolderStopsANonRootHelperAtTheFirstCommand)
{
    if (!runningAsRoot())
        GTEST_SKIP() << "switching to nobody needs root";
    InstallWorld world;
    world.options = asNobody(0);
    // The root of the temporary folder is reachable but not writable by nobody.
    ASSERT_EQ(chmod(QFile::encodeName(world.root.path()).constData(), 0555), 0);
    InstallRun run(world);
    const QStringList lines = run.install();
    chmod(QFile::encodeName(world.root.path()).constData(), 0700);

    const QString expected = QStringLiteral("mkdir: cannot create directory ‘%1’: Permission denied").arg(world.applications());
    const QString expectedC = QStringLiteral("mkdir: cannot create directory '%1': Permission denied").arg(world.applications());
    EXPECT_TRUE(run.settings.logDetailsStr() == expected || run.settings.logDetailsStr() == expectedC)
        << run.settings.logDetailsStr().toStdString();
    EXPECT_TRUE(run.settings.completedWithErrors());
    EXPECT_EQ(run.settings.currentPage(), Page::summary);
    EXPECT_EQ(lines.value(1), QStringLiteral("ERROR VALUE ") + run.settings.logDetailsStr());
    EXPECT_EQ(QDir(world.root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{});
}

TEST(BadInput, ADismissedPromptWritesAndPrintsNothingAndStaysOnTheInstallPage)
{
    InstallWorld world;
    world.options = elevatedBy(QStringLiteral("exit 126"));
    InstallRun run(world);
    run.settings.setLogDetailsStr(QStringLiteral("earlier"));
    const QStringList lines = run.install();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines.at(0).startsWith(QStringLiteral("SCRIPT -- ")));
    EXPECT_EQ(run.settings.currentPage(), Page::install);
    EXPECT_FALSE(run.settings.completedWithErrors());
    EXPECT_EQ(run.settings.logDetailsStr(), QStringLiteral("earlier"));
    EXPECT_EQ(QDir(world.root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{});
}

TEST(BadInput, AMalformedScriptReportsTheErrorAndLeavesThePage)
{
    InstallWorld world;
    InstallRun run(world);
    linesink::Capture output;
    run.settings.performScript(QStringLiteral("try\ndo shell script \"touch '%1'").arg(world.root(QStringLiteral("ran"))));
    applyOutcome();
    EXPECT_EQ(output.lines(),
              QStringList{QStringLiteral("Error: Expected “\"” but found end of script. (line 2, column 17)")});
    EXPECT_TRUE(run.settings.completedWithErrors());
    EXPECT_EQ(run.settings.currentPage(), Page::install);
    EXPECT_FALSE(QFileInfo::exists(world.root(QStringLiteral("ran"))));
}

TEST(BadInput, AHelperKilledDuringTheInstallationIsAReadableFailure)
{
    InstallWorld world;
    const QString marker = QStringLiteral("killed-during-install-%1").arg(getpid());
    world.options = marked(direct(), marker);
    world.options.helperStarted = [](pid_t helper) { kill(helper, SIGKILL); };
    InstallRun run(world);
    const QStringList lines = run.install();
    const QString message = QStringLiteral("The privileged helper was ended by signal 9 (Killed) while running a command.");
    EXPECT_EQ(run.settings.logDetailsStr(), message);
    EXPECT_TRUE(run.settings.completedWithErrors());
    EXPECT_EQ(run.settings.currentPage(), Page::summary);
    EXPECT_EQ(lines.value(1), QStringLiteral("ERROR VALUE ") + message);
    EXPECT_TRUE(eventuallyEmpty([&] { return processesMarked(marker); }));
}

namespace {

// A small tmpfs at `where`, filled to the last byte, unmounted when done.
class FullDisk
{
public:
    explicit FullDisk(const QString &where)
        : m_where(QFile::encodeName(where))
    {
        QDir().mkpath(where);
        if (::mount("tmpfs", m_where.constData(), "tmpfs", 0, "size=64k,mode=0755") != 0) {
            m_error = QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        m_mounted = true;
        const int fd = ::open(m_where + "/filler", O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        const QByteArray block(4096, 'x');
        while (fd >= 0 && ::write(fd, block.constData(), size_t(block.size())) > 0) {
        }
        ::close(fd);
    }
    ~FullDisk()
    {
        if (m_mounted)
            umount2(m_where.constData(), MNT_DETACH);
    }
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

    QString error() const { return m_mounted ? QString() : m_error; }

private:
    QByteArray m_where;
    bool m_mounted = false;
    QString m_error;
};

// A product whose Lightroom variant is named `name`, with an empty presets folder.
void writeLightroomProduct(const TempFolder &resources, const QString &name)
{
    const QString variant = QStringLiteral("Products/Softhaze 3/") + name;
    resources.writeFile(variant + QStringLiteral("/softhaze3.lrdevplugin/Info.lua"), "info");
    resources.makeFolder(variant + QStringLiteral("/Veltrano Softhaze 3"));
    resources.writeFile(variant + QStringLiteral("/Softhaze3.app/Contents/softhaze3"), "app");
}

} // namespace

TEST(BadInput, AFullDiskIsReportedWithTheFileAndTheCause)
{
    if (!runningAsRoot())
        GTEST_SKIP() << "mounting a small file system needs root";
    struct Row
    {
        const char *name;
        QString full;     // below the world's root
        QString expected; // the whole message, or its start when `startOnly`
        bool startOnly;
    };
    const Row rows[] = {
        {"writing a preset", QStringLiteral("xdg"),
         QStringLiteral("echo: %1/xdg/Adobe/Lightroom/External Editor Presets/Veltrano/Veltrano Softhaze 3.lrtemplate: "
                        "No space left on device"),
         false},
        {"copying a plug-in", QStringLiteral("opt"), QStringLiteral("cp: "), true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        InstallWorld world;
        // A disk full before the run is refused by the room check; this is
        // the disk that fills while the run writes, which no check foresees.
        world.checksRoom = false;
        TempFolder resources;
        world.resourceFolder = resources.path();
        writeLightroomProduct(resources, QStringLiteral("Softhaze 3 Lightroom"));
        FullDisk disk(world.root(row.full));
        if (!disk.error().isEmpty())
            GTEST_SKIP() << "cannot mount a tmpfs here: " << disk.error().toStdString();
        InstallRun run(world);
        run.install();
        const QString message = run.settings.logDetailsStr();
        EXPECT_TRUE(run.settings.completedWithErrors());
        if (row.startOnly) {
            EXPECT_TRUE(message.startsWith(row.expected)) << message.toStdString();
            EXPECT_TRUE(message.contains(world.root(row.full))) << message.toStdString();
            EXPECT_TRUE(message.endsWith(QStringLiteral("No space left on device"))) << message.toStdString();
        } else {
            EXPECT_EQ(message, row.expected.arg(world.root.path()));
        }
    }
}

TEST(BadInput, PathAndPresetHoldTheNameAsItStands)
{
    struct Row
    {
        QString name;    // the Lightroom variant's folder
        QString luaName; // the same inside the preset's Lua string
    };
    const Row rows[] = {
        {QStringLiteral("Soft\\chaze Lightroom"), QStringLiteral("Soft\\\\chaze Lightroom")},
        {QStringLiteral("Soft \"3\" \\n Lightroom"), QStringLiteral("Soft \\\"3\\\" \\\\n Lightroom")},
        {QStringLiteral("-n -e \\c Lightroom\\"), QStringLiteral("-n -e \\\\c Lightroom\\\\")},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name.toStdString());
        InstallWorld world;
        TempFolder resources;
        world.resourceFolder = resources.path();
        writeLightroomProduct(resources, row.name);
        InstallRun run(world);
        EXPECT_EQ(run.install().value(1), QStringLiteral("ERROR VALUE Ok"));
        const QString maker = world.applications() + QStringLiteral("/Veltrano/");
        QFile path(maker + row.name + QStringLiteral("/softhaze3.lrdevplugin/Path.txt"));
        ASSERT_TRUE(path.open(QIODevice::ReadOnly));
        EXPECT_EQ(path.readAll(), (maker + row.name).toUtf8() + '\n');
        QFile preset(world.userData() + QStringLiteral("/Adobe/Lightroom/External Editor Presets/Veltrano/Veltrano Softhaze 3.lrtemplate"));
        ASSERT_TRUE(preset.open(QIODevice::ReadOnly));
        EXPECT_EQ(preset.readAll(), presetFile(QStringLiteral("3"), maker + row.luaName));
    }
}
