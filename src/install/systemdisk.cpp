#include "install/systemdisk.h"

#include "platform/pathtext.h"

#include <QFile>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

using roomneeds::EntryKind;

QString systemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

QByteArray parentOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArrayLiteral("/") : path.left(slash);
}

EntryKind kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return EntryKind::folder;
    if (S_ISREG(mode))
        return EntryKind::file;
    if (S_ISLNK(mode))
        return EntryKind::link;
    return EntryKind::other;
}

// The mount table escapes blanks, tabs, line breaks and backslashes in a
// path as three octal digits.
QByteArray unescapedMountPath(const QByteArray &field)
{
    QByteArray path;
    path.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const QByteArray digits = field.mid(i + 1, 3);
            bool ok = false;
            const int value = digits.toInt(&ok, 8);
            if (ok && digits.size() == 3) {
                path += char(value);
                i += 3;
                continue;
            }
        }
        path += field[i];
    }
    return path;
}

std::vector<QByteArray> readMountPoints()
{
    std::vector<QByteArray> points;
    QFile table(QStringLiteral("/proc/self/mountinfo"));
    if (!table.open(QIODevice::ReadOnly))
        return points;
    for (const QByteArray &line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() > 4)
            points.push_back(unescapedMountPath(fields.at(4)));
    }
    return points;
}

} // namespace

roomneeds::Volume SystemDisk::volumeOf(const QString &folder)
{
    roomneeds::Volume volume;
    QByteArray path = pathtext::withoutTrailingSlashes(QFile::encodeName(folder));
    if (path.isEmpty())
        path = QByteArrayLiteral("/");
    struct stat status{};
    while (::stat(path.constData(), &status) != 0) {
        // A folder the run makes is judged by the file system it will be
        // made on; anything else stops the search there.
        if ((errno != ENOENT && errno != ENOTDIR) || path == "/") {
            volume.ancestor = QFile::decodeName(path);
            volume.error = QStringLiteral("cannot reach %1: %2").arg(volume.ancestor, systemError(errno));
            return volume;
        }
        path = parentOf(path);
    }
    volume.ancestor = QFile::decodeName(path);
    volume.mountPoint = mountPointOf(path);
    struct statvfs filesystem{};
    if (::statvfs(path.constData(), &filesystem) != 0) {
        volume.error = QStringLiteral("statvfs on %1 failed: %2").arg(volume.ancestor, systemError(errno));
        return volume;
    }
    const qint64 unit = qint64(filesystem.f_frsize ? filesystem.f_frsize : filesystem.f_bsize);
    roomneeds::Capacity capacity;
    capacity.blockSize = unit > 0 ? unit : 4096;
    capacity.freeBytes = qint64(filesystem.f_bavail) * capacity.blockSize;
    capacity.freeInodes = qint64(filesystem.f_favail);
    // Some file systems (btrfs among them) hand out inodes without limit
    // and report a total of zero.
    capacity.countsInodes = filesystem.f_files > 0;
    capacity.readOnly = (filesystem.f_flag & ST_RDONLY) != 0;
    volume.capacity = capacity;
    return volume;
}

QString SystemDisk::mountPointOf(const QByteArray &path)
{
    if (!m_mountPoints)
        m_mountPoints = readMountPoints();
    char resolved[PATH_MAX];
    const QByteArray real = ::realpath(path.constData(), resolved) ? QByteArray(resolved) : path;
    const QByteArray *best = nullptr;
    for (const QByteArray &point : *m_mountPoints) {
        const bool holds = point == "/" || real == point || real.startsWith(point + '/');
        // A later mount on the same point lies over the earlier one.
        if (holds && (!best || point.size() >= best->size()))
            best = &point;
    }
    return best ? QFile::decodeName(*best) : QString();
}

void SystemDisk::walk(const QString &folder, const Visit &visit)
{
    struct Listing
    {
        DIR *dir;
        QString relative; // of the folder being listed, with a trailing "/" unless it is the top
    };
    const int top = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *topDir = top >= 0 ? ::fdopendir(top) : nullptr;
    if (!topDir) {
        if (top >= 0)
            ::close(top);
        return;
    }
    // Kept on the heap, so a deep product cannot exhaust the call stack.
    std::vector<Listing> stack{{topDir, QString()}};
    while (!stack.empty()) {
        DIR *const dir = stack.back().dir;
        const dirent *entry = ::readdir(dir);
        if (!entry) {
            ::closedir(dir);
            stack.pop_back();
            continue;
        }
        const char *name = entry->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
            continue;
        const QString relative = stack.back().relative + QFile::decodeName(name);
        EntryKind kind = EntryKind::folder;
        qint64 size = 0;
        // Folders need no status: their size is not counted.
        if (entry->d_type != DT_DIR) {
            struct stat status{};
            if (::fstatat(::dirfd(dir), name, &status, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            kind = kindOf(status.st_mode);
            size = qint64(status.st_size);
        }
        visit(relative, kind, size);
        if (kind != EntryKind::folder)
            continue;
        const int sub = ::openat(::dirfd(dir), name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        DIR *subDir = sub >= 0 ? ::fdopendir(sub) : nullptr;
        if (!subDir) {
            if (sub >= 0)
                ::close(sub);
            continue;
        }
        stack.push_back({subDir, relative + u'/'});
    }
}

std::optional<roomneeds::Existing> SystemDisk::existing(const QString &path)
{
    struct stat status{};
    // Whatever cannot be looked at is counted as new, which asks for more
    // room, never less.
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return roomneeds::Existing{kindOf(status.st_mode), S_ISREG(status.st_mode) ? qint64(status.st_size) : 0};
}

roomverdict::Verdict checkRoom(const Product::InstallTargets &targets, const QStringList &elements)
{
    SystemDisk disk;
    return roomverdict::judge(roomneeds::needsOf(targets, elements, disk));
}
