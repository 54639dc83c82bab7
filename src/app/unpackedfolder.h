#pragma once

#include <QString>
#include <optional>
#include <sys/types.h>

// The temporary folder a self-extracting .run unpacked the installer into.
// The .run removes it when the installer ends; a .run that was killed
// outright cannot, and then the installer removes it itself as it ends.
class UnpackedFolder
{
public:
    // Read from VELTRANO_UNPACKED_FOLDER and VELTRANO_UNPACKED_BY (the .run's
    // process id), which the .run sets, and taken out of the environment so
    // that nothing the installer starts sees them. Absent unless both are set
    // and the running program lies inside that folder, so that the variables
    // cannot point the installer at any other folder.
    static std::optional<UnpackedFolder> fromEnvironment(const QString &executableFolder);

    UnpackedFolder(QString folder, pid_t unpackedBy) : folder_(std::move(folder)), unpackedBy_(unpackedBy) {}

    // Whether the .run that made the folder is gone: the installer, started
    // as its child, then has another parent.
    bool orphaned(pid_t parent) const { return parent != unpackedBy_; }

    // Removes the folder when the .run is gone; returns whether it did.
    bool removeIfOrphaned(pid_t parent) const;

    const QString &folder() const { return folder_; }

private:
    QString folder_;
    pid_t unpackedBy_ = 0;
};
