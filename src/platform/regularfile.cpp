#include "platform/regularfile.h"

#include <QFile>

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

namespace {

// File systems whose entries are views of the kernel's state rather than
// stored content: sizes are made up, and reading may block or never end.
constexpr auto kernelFileSystems = std::to_array<unsigned long>({
    PROC_SUPER_MAGIC, SYSFS_MAGIC, DEBUGFS_MAGIC, TRACEFS_MAGIC, SECURITYFS_MAGIC, SELINUX_MAGIC, SMACK_MAGIC,
    CGROUP_SUPER_MAGIC, CGROUP2_SUPER_MAGIC, BPF_FS_MAGIC, PSTOREFS_MAGIC, EFIVARFS_MAGIC, BINFMTFS_MAGIC,
    DEVPTS_SUPER_MAGIC, OPENPROM_SUPER_MAGIC, USBDEVICE_SUPER_MAGIC, NSFS_MAGIC, 0x62656570 /* configfs */,
    0x65735543 /* fusectl */,
});

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

RegularFile refused(const QString &reason) { return {RegularFile::Status::Refused, {}, reason}; }

struct FdCloser
{
    int fd;
    ~FdCloser() { close(fd); }
};

} // namespace

RegularFile RegularFile::read(const QString &path, qint64 maxSize)
{
    // O_NONBLOCK: opening a pipe without a writer, or a device, returns at
    // once instead of waiting; for a regular file it changes nothing.
    const int fd = open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return {};
        return refused(systemReason(errno));
    }
    const FdCloser closer{fd};
    struct stat info;
    if (fstat(fd, &info) != 0)
        return refused(systemReason(errno));
    if (!S_ISREG(info.st_mode))
        return refused(QStringLiteral("it is not a regular file"));
    struct statfs fileSystem;
    if (fstatfs(fd, &fileSystem) != 0)
        return refused(systemReason(errno));
    for (const unsigned long kind : kernelFileSystems) {
        if (static_cast<unsigned long>(fileSystem.f_type) == kind)
            return refused(QStringLiteral("it is not on a regular file system"));
    }
    if (info.st_size > maxSize)
        return refused(QStringLiteral("the file is larger than %1 MiB").arg(maxSize >> 20));

    // Never more than the size the file had when it was opened, so that a
    // file that keeps growing still ends.
    RegularFile file{Status::Read, QByteArray(qsizetype(info.st_size), Qt::Uninitialized), {}};
    qsizetype done = 0;
    while (done < file.bytes.size()) {
        const ssize_t n = ::read(fd, file.bytes.data() + done, std::size_t(file.bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return refused(systemReason(errno));
        if (n == 0)
            break; // the file shrank since it was opened
        done += n;
    }
    file.bytes.truncate(done);
    return file;
}
