#include "app/unpackedfolder.h"

#include "support/tempfolder.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

// A folder laid out as the .run unpacks into, with the program's folder.
struct Unpacked
{
    TempFolder temp;
    QString folder = temp.makeFolder(QStringLiteral("VeltranoInstaller.abc"));
    QString executables = temp.makeFolder(QStringLiteral("VeltranoInstaller.abc/VeltranoInstaller.app/Contents/MacOS"));
};

void setRun(const QString &folder, const QByteArray &pid)
{
    qputenv("VELTRANO_UNPACKED_FOLDER", folder.toLocal8Bit());
    qputenv("VELTRANO_UNPACKED_BY", pid);
}

TEST(UnpackedFolder, ReadsTheRunsFolderAndTakesItOutOfTheEnvironment)
{
    Unpacked unpacked;
    setRun(unpacked.folder, "4242");
    const auto folder = UnpackedFolder::fromEnvironment(unpacked.executables);
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->folder(), QFileInfo(unpacked.folder).canonicalFilePath());
    EXPECT_FALSE(qEnvironmentVariableIsSet("VELTRANO_UNPACKED_FOLDER"));
    EXPECT_FALSE(qEnvironmentVariableIsSet("VELTRANO_UNPACKED_BY"));
}

TEST(UnpackedFolder, RefusesAFolderThatDoesNotHoldTheRunningProgram)
{
    Unpacked unpacked;
    TempFolder elsewhere;
    setRun(elsewhere.path(), "4242");
    EXPECT_FALSE(UnpackedFolder::fromEnvironment(unpacked.executables));
    setRun(unpacked.temp.path(), "4242");
    EXPECT_FALSE(UnpackedFolder::fromEnvironment(unpacked.executables));
    EXPECT_TRUE(QFileInfo::exists(elsewhere.path()));
}

TEST(UnpackedFolder, RefusesMissingOrBadProcessIds)
{
    Unpacked unpacked;
    for (const QByteArray &pid : {QByteArray(), QByteArray("x1"), QByteArray("0"), QByteArray("1"), QByteArray("-5")}) {
        setRun(unpacked.folder, pid);
        EXPECT_FALSE(UnpackedFolder::fromEnvironment(unpacked.executables)) << pid.constData();
    }
    qunsetenv("VELTRANO_UNPACKED_FOLDER");
    qputenv("VELTRANO_UNPACKED_BY", "4242");
    EXPECT_FALSE(UnpackedFolder::fromEnvironment(unpacked.executables));
}

TEST(UnpackedFolder, StaysWhileTheRunIsTheParent)
{
    Unpacked unpacked;
    const UnpackedFolder folder(unpacked.folder, 4242);
    EXPECT_FALSE(folder.orphaned(4242));
    EXPECT_FALSE(folder.removeIfOrphaned(4242));
    EXPECT_TRUE(QFileInfo::exists(unpacked.executables));
}

TEST(UnpackedFolder, GoesWhenTheRunIsGone)
{
    Unpacked unpacked;
    unpacked.temp.writeFile(QStringLiteral("VeltranoInstaller.abc/VeltranoInstaller.app/Contents/MacOS/VeltranoInstaller"), "x");
    const UnpackedFolder folder(unpacked.folder, 4242);
    EXPECT_TRUE(folder.orphaned(1));
    EXPECT_TRUE(folder.removeIfOrphaned(1));
    EXPECT_FALSE(QFileInfo::exists(unpacked.folder));
}

} // namespace
