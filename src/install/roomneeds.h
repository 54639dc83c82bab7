#pragma once

#include "catalogue/product.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <optional>
#include <vector>

// What an installation run will need of each file system it writes to,
// worked out before anything is written. The planner only reasons about
// paths and sizes; everything it wants to know of the disk it asks a Disk,
// so it runs against an invented disk in tests.
namespace roomneeds {

// What a file system can take, as statvfs reports it.
struct Capacity
{
    qint64 blockSize = 4096; // the unit a file's size is rounded up to
    qint64 freeBytes = 0;    // room an unprivileged writer may use
    qint64 freeInodes = 0;
    bool countsInodes = true; // false when the file system reports no inode total
    bool readOnly = false;
};

// The file system that holds one target folder, or would hold it once made.
struct Volume
{
    // Where that file system is mounted; it tells file systems apart.
    QString mountPoint;
    // The nearest existing folder of the target (the target itself when it exists).
    QString ancestor;
    // Absent when the file system could not be asked; `error` says why.
    std::optional<Capacity> capacity;
    QString error;
};

enum class EntryKind { folder, file, link, other };

// One entry that already exists on the disk.
struct Existing
{
    EntryKind kind = EntryKind::other;
    qint64 size = 0; // bytes of a file
};

// The questions the planner asks of the disk.
class Disk
{
public:
    virtual ~Disk() = default;
    using Visit = std::function<void(QStringView relative, EntryKind kind, qint64 size)>;

    virtual Volume volumeOf(const QString &folder) = 0;
    // Every entry below `folder`, each folder before what it holds; `size`
    // is a file's length in bytes or a link's target length. Entries that
    // cannot be read are left out: the copy itself reports them.
    virtual void walk(const QString &folder, const Visit &visit) = 0;
    // What lies at `path` now, without following a link; absent when nothing does.
    virtual std::optional<Existing> existing(const QString &path) = 0;
};

// What one run needs of one file system.
struct Need
{
    Volume volume;
    // The target folders on it, as the targets name them.
    QStringList folders;
    // Bytes after block rounding, less what replaced files free.
    qint64 bytes = 0;
    // Entries the run creates, each taking an inode.
    qint64 inodes = 0;
    // Entries written at all, created or replaced: a file system that gets
    // any of them must be writable even when it needs no more room.
    qint64 writes = 0;
};

// `bytes` rounded up to whole blocks of `blockSize`.
qint64 roundedToBlocks(qint64 bytes, qint64 blockSize);

// Upper bound of the External Editor preset file's length for a Lightroom
// variant installed at `installed`.
qint64 presetFileBound(const QString &installed);

// The needs of the run that installs `elements` into `targets`, one per file
// system, in the order the targets are first written: the maker's folder,
// then the plug-ins or Lightroom folder. Each selected element is walked once.
std::vector<Need> needsOf(const Product::InstallTargets &targets, const QStringList &elements, Disk &disk);

} // namespace roomneeds
