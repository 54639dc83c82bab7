#include "catalogue/folderlisting.h"

#include "catalogue/filename.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <variant>

namespace {

struct DirCloser
{
    void operator()(DIR *dir) const { closedir(dir); }
};

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

QString cannotList(const QString &folder, const QString &reason)
{
    return QStringLiteral("cannot list %1: %2").arg(filename::readable(folder), reason);
}

// Opens `folder` for listing without following a link in its last component;
// a link there is refused with its own reason rather than the system's
// "Too many levels of symbolic links" or "Not a directory".
std::variant<std::unique_ptr<DIR, DirCloser>, QString> openFolder(const QString &folder)
{
    const QByteArray encoded = filename::encode(folder);
    const int fd = open(encoded.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        struct stat info;
        if ((error == ELOOP || error == ENOTDIR) && lstat(encoded.constData(), &info) == 0 && S_ISLNK(info.st_mode))
            return cannotList(folder, QStringLiteral("it is a link, and links are not followed"));
        return cannotList(folder, systemReason(error));
    }
    std::unique_ptr<DIR, DirCloser> dir(fdopendir(fd));
    if (!dir) {
        const int error = errno;
        close(fd);
        return cannotList(folder, systemReason(error));
    }
    return dir;
}

} // namespace

FolderListing listSubfolders(const QString &folder)
{
    FolderListing listing;
    auto opened = openFolder(folder);
    if (auto *error = std::get_if<QString>(&opened)) {
        listing.error = *error;
        return listing;
    }
    DIR *dir = std::get<0>(opened).get();
    const int dirFd = dirfd(dir);
    QString prefix = folder;
    if (!prefix.endsWith(u'/'))
        prefix += u'/';

    QStringList names;
    for (;;) {
        // readdir() tells the end from a failure only through errno, which
        // must therefore be clear before every call: a failed fstatat() of
        // the previous entry would otherwise pass for a failed listing.
        errno = 0;
        const dirent *entry = readdir(dir);
        if (!entry)
            break;
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0)
            continue;
        const QString name = filename::decode(entry->d_name);
        // d_type is only a hint (some file systems leave it unknown), so ask
        // the entry itself; an entry whose type cannot be read is skipped.
        struct stat info;
        if (fstatat(dirFd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT)
                listing.unreadableEntries.append(QStringLiteral("cannot read %1: %2")
                                                     .arg(filename::readable(QString(prefix + name)), systemReason(errno)));
            continue;
        }
        if (S_ISDIR(info.st_mode))
            names.append(name);
    }
    if (errno != 0) {
        listing = {};
        listing.error = cannotList(folder, systemReason(errno));
        return listing;
    }
    std::sort(names.begin(), names.end());
    std::sort(listing.unreadableEntries.begin(), listing.unreadableEntries.end());
    listing.folders.reserve(names.size());
    for (const QString &name : names)
        listing.folders.append(prefix + name);
    return listing;
}
