#include "install/systemdisk.h"

#include "support/tempfolder.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <unistd.h>

// A folder the run makes is judged by the file system of its nearest
// existing folder, named by where that file system is mounted.
TEST(SystemDisk, JudgesAMissingFolderByItsNearestExistingFolder)
{
    TempFolder folder;
    SystemDisk disk;
    const roomneeds::Volume volume = disk.volumeOf(folder(QStringLiteral("a/b/c/")));
    EXPECT_EQ(volume.ancestor, folder.path());
    ASSERT_TRUE(volume.capacity.has_value()) << volume.error.toStdString();
    EXPECT_GT(volume.capacity->blockSize, 0);
    EXPECT_FALSE(volume.capacity->readOnly);
    const QString canonical = QFileInfo(folder.path()).canonicalFilePath();
    EXPECT_TRUE(volume.mountPoint == u"/" || canonical == volume.mountPoint ||
                canonical.startsWith(volume.mountPoint + u'/'))
        << volume.mountPoint.toStdString();
}

TEST(SystemDisk, WalksFoldersBeforeWhatTheyHoldWithSizesAndLinkTargets)
{
    TempFolder folder;
    folder.writeFile(QStringLiteral("e/one"), "1");
    folder.writeFile(QStringLiteral("e/sub/deeper/five"), "12345");
    folder.makeFolder(QStringLiteral("e/empty"));
    ASSERT_EQ(::symlink("target-of-13", QFile::encodeName(folder(QStringLiteral("e/sub/link"))).constData()), 0);
    SystemDisk disk;
    QMap<QString, QString> seen;
    QStringList order;
    disk.walk(folder(QStringLiteral("e")), [&](QStringView relative, roomneeds::EntryKind kind, qint64 size) {
        const char *names[] = {"folder", "file", "link", "other"};
        seen.insert(relative.toString(), QStringLiteral("%1 %2").arg(QLatin1StringView(names[int(kind)])).arg(size));
        order.append(relative.toString());
    });
    const QMap<QString, QString> expected{
        {QStringLiteral("one"), QStringLiteral("file 1")},
        {QStringLiteral("empty"), QStringLiteral("folder 0")},
        {QStringLiteral("sub"), QStringLiteral("folder 0")},
        {QStringLiteral("sub/deeper"), QStringLiteral("folder 0")},
        {QStringLiteral("sub/deeper/five"), QStringLiteral("file 5")},
        {QStringLiteral("sub/link"), QStringLiteral("link 12")},
    };
    EXPECT_EQ(seen, expected);
    EXPECT_LT(order.indexOf(QStringLiteral("sub")), order.indexOf(QStringLiteral("sub/deeper")));
    EXPECT_LT(order.indexOf(QStringLiteral("sub/deeper")), order.indexOf(QStringLiteral("sub/deeper/five")));
}

TEST(SystemDisk, TellsWhatExistsWithoutFollowingLinks)
{
    TempFolder folder;
    folder.writeFile(QStringLiteral("file"), "abc");
    ASSERT_EQ(::symlink("file", QFile::encodeName(folder(QStringLiteral("link"))).constData()), 0);
    SystemDisk disk;
    const auto file = disk.existing(folder(QStringLiteral("file")));
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(file->kind, roomneeds::EntryKind::file);
    EXPECT_EQ(file->size, 3);
    ASSERT_TRUE(disk.existing(folder(QStringLiteral("link"))).has_value());
    EXPECT_EQ(disk.existing(folder(QStringLiteral("link")))->kind, roomneeds::EntryKind::link);
    EXPECT_EQ(disk.existing(folder.path())->kind, roomneeds::EntryKind::folder);
    EXPECT_FALSE(disk.existing(folder(QStringLiteral("none"))).has_value());
}

// A file system that cannot be asked does not hold the run back: here a
// user who may not look into the folder above the targets.
TEST(SystemDisk, AFolderThatCannotBeReachedIsLeftUnchecked)
{
    if (!runningAsRoot())
        GTEST_SKIP() << "switching to nobody needs root";
    TempFolder folder;
    const QString closed = folder.makeFolder(QStringLiteral("closed"));
    ASSERT_TRUE(QFile::setPermissions(closed, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const Product::InstallTargets targets = Product::targetsFrom({closed + QStringLiteral("/opt"),
                                                                  closed + QStringLiteral("/usr/local/share"),
                                                                  closed + QStringLiteral("/xdg")});
    const std::optional<QString> answer = runAsNobody([&] {
        const roomverdict::Verdict verdict = checkRoom(targets, {});
        return QString::number(verdict.refusals.size()) + u'|' + verdict.unchecked.join(u'|');
    });
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(*answer, QStringLiteral("0|The room for %1/opt/Veltrano/ was not checked: cannot reach "
                                      "%1/opt/Veltrano: Permission denied.")
                           .arg(closed));
}
