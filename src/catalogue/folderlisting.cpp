#include "catalogue/folderlisting.h"

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

namespace {

struct DirCloser
{
    void operator()(DIR *dir) const { closedir(dir); }
};

QString describe(const QString &folder, int error)
{
    return QStringLiteral("cannot list %1: %2").arg(folder, QString::fromLocal8Bit(std::strerror(error)));
}

} // namespace

FolderListing listSubfolders(const QString &folder)
{
    FolderListing listing;
    const QByteArray encoded = QFile::encodeName(folder);
    std::unique_ptr<DIR, DirCloser> dir(opendir(encoded.constData()));
    if (!dir) {
        listing.error = describe(folder, errno);
        return listing;
    }
    const int dirFd = dirfd(dir.get());
    QString prefix = folder;
    if (!prefix.endsWith(u'/'))
        prefix += u'/';

    QStringList names;
    errno = 0;
    while (const dirent *entry = readdir(dir.get())) {
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0)
            continue;
        // d_type is only a hint (some file systems leave it unknown), so ask
        // the entry itself; an entry whose type cannot be read is skipped.
        struct stat info;
        if (fstatat(dirFd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISDIR(info.st_mode))
            continue;
        names.append(QFile::decodeName(entry->d_name));
    }
    if (errno != 0) {
        listing.error = describe(folder, errno);
        return listing;
    }
    std::sort(names.begin(), names.end());
    listing.folders.reserve(names.size());
    for (const QString &name : names)
        listing.folders.append(prefix + name);
    return listing;
}
