#include "app/unpackedfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QtGlobal>

std::optional<UnpackedFolder> UnpackedFolder::fromEnvironment(const QString &executableFolder)
{
    const QString folder = qEnvironmentVariable("VELTRANO_UNPACKED_FOLDER");
    const QString by = qEnvironmentVariable("VELTRANO_UNPACKED_BY");
    qunsetenv("VELTRANO_UNPACKED_FOLDER");
    qunsetenv("VELTRANO_UNPACKED_BY");
    bool number = false;
    const qlonglong pid = by.toLongLong(&number);
    if (folder.isEmpty() || !number || pid <= 1)
        return std::nullopt;
    // The .run lays the bundle directly into its folder.
    const QString expected = QFileInfo(folder + QStringLiteral("/VeltranoInstaller.app/Contents/MacOS")).canonicalFilePath();
    if (expected.isEmpty() || expected != QFileInfo(executableFolder).canonicalFilePath())
        return std::nullopt;
    return UnpackedFolder(QFileInfo(folder).canonicalFilePath(), static_cast<pid_t>(pid));
}

bool UnpackedFolder::removeIfOrphaned(pid_t parent) const
{
    if (!orphaned(parent))
        return false;
    return QDir(folder_).removeRecursively();
}
