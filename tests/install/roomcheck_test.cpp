#include "installworld.h"

#include "install/installscript.h"
#include "platform/linesink.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

namespace {

// A mount the test makes, undone when it goes. The test program runs in a
// mount namespace of its own (privatemounts.sh), so even a mount left by a
// crash ends with it.
class TestMount
{
public:
    enum class Kind { tmpfs, readOnlyBind };

    TestMount(Kind kind, const QString &where, const QByteArray &options = {})
        : m_where(QFile::encodeName(where))
    {
        QDir().mkpath(where);
        const char *path = m_where.constData();
        const bool made = kind == Kind::tmpfs ? ::mount("tmpfs", path, "tmpfs", 0, options.constData()) == 0
                                              : ::mount(path, path, nullptr, MS_BIND, nullptr) == 0;
        if (!made) {
            m_error = QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        m_mounted = true;
        if (kind == Kind::readOnlyBind && ::mount(nullptr, path, nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
            m_error = QString::fromLocal8Bit(std::strerror(errno));
    }
    ~TestMount()
    {
        if (m_mounted)
            ::umount2(m_where.constData(), MNT_DETACH);
    }
    TestMount(const TestMount &) = delete;
    TestMount &operator=(const TestMount &) = delete;

    QString error() const { return m_error; }

private:
    QByteArray m_where;
    bool m_mounted = false;
    QString m_error;
};

struct RoomRow
{
    const char *name;
    const char *mountAt;     // below the world's root
    TestMount::Kind kind;
    QByteArray options;      // of the tmpfs
    bool lightroom;          // the product is a Lightroom variant, else a plain plug-in
    int files;               // in the product (in its export presets for a Lightroom variant)
    int fileSize;
    int runs;                // installations in a row, each over the one before
    QString refusalStart;    // of the refused run's log line, %1 the root; empty: every run installs
    QString refusalEnd;      // %1 the mount point
};

void PrintTo(const RoomRow &row, std::ostream *out) { *out << row.name; }

class RoomCheck : public ::testing::TestWithParam<RoomRow>
{
};

QString writeProduct(const TempFolder &resources, const RoomRow &row)
{
    const QByteArray content(row.fileSize, 'v');
    if (!row.lightroom) {
        for (int i = 0; i < row.files; ++i)
            resources.writeFile(QStringLiteral("Products/Big/Big Plug-in/file%1").arg(i), content);
        return resources(QStringLiteral("Products/Big/Big Plug-in"));
    }
    const QString variant = QStringLiteral("Products/Softhaze 3/Softhaze 3 Lightroom/");
    resources.writeFile(variant + QStringLiteral("softhaze3.lrdevplugin/Info.lua"), "info");
    resources.writeFile(variant + QStringLiteral("Softhaze3.app/Contents/softhaze3"), "app");
    for (int i = 0; i < row.files; ++i)
        resources.writeFile(variant + QStringLiteral("Veltrano Softhaze 3/preset%1.lrtemplate").arg(i), content);
    return resources(variant.chopped(1));
}

} // namespace

// A run that cannot fit a file system, or would write to a read-only one,
// ends on the failure summary before the script host is asked for anything
// (so before any password prompt), with nothing written and the log naming
// the folder, what it needs and what is free. An upgrade over an earlier
// installation of the same product needs only what grows, and installs.
TEST_P(RoomCheck, RefusesBeforeWritingWhatCannotFitAndInstallsWhatDoes)
{
    if (!runningAsRoot())
        GTEST_SKIP() << "mounting small file systems needs root";
    const RoomRow row = GetParam();
    InstallWorld world;
    TempFolder resources;
    world.resourceFolder = resources.path();
    const QString element = writeProduct(resources, row);
    TestMount mount(row.kind, world.root(QString::fromLatin1(row.mountAt)), row.options);
    if (!mount.error().isEmpty())
        GTEST_SKIP() << "cannot mount here: " << mount.error().toStdString();
    const QString mountPoint = QFileInfo(world.root(QString::fromLatin1(row.mountAt))).canonicalFilePath();

    int scriptRuns = 0;
    AppEnvironment environment = world.environment();
    const auto runScript = environment.runScript;
    environment.runScript = [&](const QString &script, const ProgressReport &report) {
        ++scriptRuns;
        return runScript(script, report);
    };
    const QString script = QStringLiteral("SCRIPT -- ") + installscript::compose(world.targets(), {element});

    for (int run = 1; run <= row.runs; ++run) {
        SCOPED_TRACE(run);
        AppSettings settings(environment);
        settings.refreshProducts();
        settings.setCurrentPage(Page::install);
        const Tree before = treeOf(world.root.path());
        const int runsBefore = scriptRuns;

        linesink::Capture output;
        settings.installSelectedProducts();
        applyOutcome();

        EXPECT_EQ(settings.currentPage(), Page::summary);
        ASSERT_EQ(output.lines().size(), 2) << output.lines().join(u'\n').toStdString();
        EXPECT_EQ(output.lines().at(0), script);
        if (row.refusalStart.isEmpty()) {
            EXPECT_EQ(output.lines().at(1), QStringLiteral("ERROR VALUE Ok"));
            EXPECT_EQ(scriptRuns, runsBefore + 1);
            const QString copy = world.applications() + QStringLiteral("/Veltrano/Big Plug-in");
            EXPECT_EQ(QDir(copy).entryList(QDir::Files).size(), row.files);
            continue;
        }
        const QString start = row.refusalStart.arg(world.root.path());
        const QString end = row.refusalEnd.arg(mountPoint);
        const QString log = settings.logDetailsStr();
        EXPECT_TRUE(settings.completedWithErrors());
        EXPECT_TRUE(log.startsWith(QStringLiteral("Nothing was installed.\n") + start)) << log.toStdString();
        EXPECT_TRUE(log.endsWith(end)) << log.toStdString();
        EXPECT_EQ(log.count(u'\n'), 1) << log.toStdString();
        EXPECT_EQ(output.lines().at(1), QStringLiteral("ERROR VALUE ") + log.section(u'\n', 0, 0) + u' ' +
                                            log.section(u'\n', 1));
        EXPECT_EQ(scriptRuns, runsBefore) << "the script host was asked to run";
        EXPECT_EQ(render(treeOf(world.root.path())), render(before)) << "something was written";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Disks, RoomCheck,
    ::testing::Values(
        // Eight files of 256 KiB and two folders of a block: 2,105,344 bytes,
        // on a file system of 1 MiB.
        RoomRow{"doesNotFit", "opt", TestMount::Kind::tmpfs, "size=1m,mode=0755", false, 8, 262144, 1,
                QStringLiteral("Not enough room for %1/opt/Veltrano/: "),
                QStringLiteral("2.11 MB needed on %1, 1.04 MB free.")},
        // The second run would not fit beside the first, but it replaces it.
        RoomRow{"upgradeFits", "opt", TestMount::Kind::tmpfs, "size=3m,mode=0755", false, 8, 262144, 2, {}, {}},
        // Forty files and two folders, with 19 inodes left beside the root folder.
        RoomRow{"tooFewInodes", "opt", TestMount::Kind::tmpfs, "size=16m,nr_inodes=20,mode=0755", false, 40, 10, 1,
                QStringLiteral("Not enough inodes for %1/opt/Veltrano/: "),
                QStringLiteral("42 new files and folders needed on %1, 19 free.")},
        RoomRow{"readOnlyBindMount", "opt", TestMount::Kind::readOnlyBind, {}, false, 2, 10, 1,
                QStringLiteral("Cannot write to %1/opt/Veltrano/: "), QStringLiteral("%1 is mounted read-only.")},
        // The export presets are copied twice, the second time into the
        // user's Lightroom folder, which is too small for them.
        RoomRow{"lightroomFolderTooSmall", "xdg", TestMount::Kind::tmpfs, "size=128k,mode=0755", true, 4, 65536, 1,
                QStringLiteral("Not enough room for %1/xdg/Adobe/Lightroom/: "),
                QStringLiteral("needed on %1, 131 kB free.")}),
    [](const auto &info) { return std::string(info.param.name); });
