#include "install/roomneeds.h"

#include "catalogue/elementkind.h"
#include "platform/pathtext.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace roomneeds {
namespace {

// ext4 keeps a link target shorter than this in the inode itself; a longer
// one takes a block. Other file systems need no more than that.
constexpr qint64 inlineLinkTarget = 60;

// Paths are kept without a trailing "/", so that the root folder is the empty text
// and every join is `folder + "/" + name`.
using pathtext::joinable;

QString parentOf(const QString &path) { return path.left(std::max<qsizetype>(path.lastIndexOf(u'/'), 0)); }

QString lastComponent(const QString &path) { return path.mid(path.lastIndexOf(u'/') + 1); }

QString joined(const QString &folder, QStringView relative)
{
    QString path;
    path.reserve(folder.size() + 1 + relative.size());
    path += folder;
    path += u'/';
    path += relative;
    return path;
}

class Planner
{
public:
    explicit Planner(Disk &disk)
        : m_disk(disk)
    {
    }

    // The need of the file system holding `target`, made on first use, so
    // that a target the run never writes to is never asked about.
    int volumeFor(const QString &target)
    {
        if (const auto known = m_volumeOfTarget.constFind(target); known != m_volumeOfTarget.cend())
            return *known;
        Volume volume = m_disk.volumeOf(target);
        const QString key = volume.mountPoint.isEmpty() ? volume.ancestor : volume.mountPoint;
        int index = -1;
        for (std::size_t i = 0; i < m_needs.size(); ++i) {
            const Volume &other = m_needs[i].volume;
            if ((other.mountPoint.isEmpty() ? other.ancestor : other.mountPoint) == key)
                index = int(i);
        }
        if (index < 0) {
            index = int(m_needs.size());
            m_needs.push_back(Need{std::move(volume), {}, 0, 0, 0});
        }
        m_needs[std::size_t(index)].folders.append(target);
        m_volumeOfTarget.insert(target, index);
        return index;
    }

    // `mkdir -p folder`: every folder of the path that does not exist yet.
    void makePath(int volume, const QString &folder)
    {
        const QStringList parts = folder.split(u'/', Qt::SkipEmptyParts);
        QString path;
        for (const QString &part : parts) {
            path += u'/' + part;
            addFolder(volume, path);
        }
    }

    void addFolder(int volume, const QString &path)
    {
        if (m_missing.contains(path))
            return;
        const std::optional<Existing> before = existingAt(path);
        if (before && before->kind == EntryKind::folder)
            return;
        m_missing.insert(path);
        Need &need = m_needs[std::size_t(volume)];
        ++need.writes;
        ++need.inodes;
        need.bytes += blockSize(need);
    }

    void addFile(int volume, const QString &path, qint64 size)
    {
        Need &need = m_needs[std::size_t(volume)];
        ++need.writes;
        const qint64 block = blockSize(need);
        const std::optional<Existing> before = existingAt(path);
        if (before && before->kind == EntryKind::file) {
            // cp rewrites a file in place, so a smaller file never frees
            // room that a later one could count on.
            need.bytes += std::max<qint64>(0, roundedToBlocks(size, block) - roundedToBlocks(before->size, block));
            return;
        }
        ++need.inodes;
        need.bytes += roundedToBlocks(size, block);
    }

    void addLink(int volume, const QString &path, qint64 targetLength)
    {
        Need &need = m_needs[std::size_t(volume)];
        ++need.writes;
        const std::optional<Existing> before = existingAt(path);
        if (before && before->kind != EntryKind::folder)
            return; // ln -f removes the old entry before it makes the new one
        ++need.inodes;
        if (targetLength >= inlineLinkTarget)
            need.bytes += blockSize(need);
    }

    void add(int volume, const QString &path, EntryKind kind, qint64 size)
    {
        switch (kind) {
        case EntryKind::folder:
            addFolder(volume, path);
            break;
        case EntryKind::link:
            addLink(volume, path, size);
            break;
        case EntryKind::file:
        case EntryKind::other:
            addFile(volume, path, size);
            break;
        }
    }

    Disk &disk() { return m_disk; }
    std::vector<Need> take() { return std::move(m_needs); }

private:
    // Below a folder the run creates nothing exists yet, so a fresh
    // installation asks the disk about its target folders only.
    std::optional<Existing> existingAt(const QString &path)
    {
        if (m_missing.contains(parentOf(path)))
            return std::nullopt;
        return m_disk.existing(path);
    }

    static qint64 blockSize(const Need &need) { return need.volume.capacity ? need.volume.capacity->blockSize : 4096; }

    Disk &m_disk;
    std::vector<Need> m_needs;
    QHash<QString, int> m_volumeOfTarget;
    QSet<QString> m_missing;
};

} // namespace

qint64 roundedToBlocks(qint64 bytes, qint64 blockSize)
{
    if (blockSize <= 0)
        return bytes;
    return (bytes + blockSize - 1) / blockSize * blockSize;
}

qint64 presetFileBound(const QString &installed)
{
    // The preset's fixed text is under 400 bytes; escaping for Lua at most
    // doubles the installed path it names.
    return 512 + 2 * qint64(installed.toUtf8().size());
}

std::vector<Need> needsOf(const Product::InstallTargets &targets, const QStringList &elements, Disk &disk)
{
    Planner planner(disk);
    const QString maker = joinable(targets.appVeltrano);
    const QString plugins = joinable(targets.appSuppVeltrano);
    const QString lightroom = joinable(targets.userAppSuppLR);
    const int makerVolume = planner.volumeFor(targets.appVeltrano);
    planner.makePath(makerVolume, maker);

    for (const QString &element : elements) {
        const QString name = lastComponent(element);
        const QString installed = targets.appVeltrano + name;
        const QString copy = maker + u'/' + name;
        planner.addFolder(makerVolume, copy);

        const ElementKind kind = kindOf(element);
        if (!kind.lightroom) {
            const int pluginsVolume = planner.volumeFor(targets.appSuppVeltrano);
            planner.makePath(pluginsVolume, plugins);
            planner.addLink(pluginsVolume, plugins + u'/' + name, installed.toUtf8().size());
            planner.disk().walk(element, [&](QStringView relative, EntryKind kind, qint64 size) {
                planner.add(makerVolume, joined(copy, relative), kind, size);
            });
            continue;
        }

        const QString digit = QString::number(kind.digit);
        const QString presets = QStringLiteral("Veltrano Softhaze ") + digit;
        const QString plugin = QStringLiteral("softhaze%1.lrdevplugin").arg(digit);
        const int lightroomVolume = planner.volumeFor(targets.userAppSuppLR);
        const QString editorPresets = lightroom + QStringLiteral("/External Editor Presets/Veltrano");
        const QString exportPresets = lightroom + QStringLiteral("/Export Presets/") + presets;
        planner.makePath(lightroomVolume, editorPresets);
        planner.makePath(lightroomVolume, exportPresets);
        planner.makePath(lightroomVolume, lightroom + QStringLiteral("/Modules"));

        // The export presets are copied out of the copy just made, which
        // holds what the element holds: one walk serves both copies.
        const QString presetsPrefix = presets + u'/';
        planner.disk().walk(element, [&](QStringView relative, EntryKind kind, qint64 size) {
            planner.add(makerVolume, joined(copy, relative), kind, size);
            if (relative.startsWith(presetsPrefix))
                planner.add(lightroomVolume, joined(exportPresets, relative.mid(presetsPrefix.size())), kind, size);
        });

        const QString pluginInstalled = installed + u'/' + plugin;
        planner.addLink(lightroomVolume, lightroom + QStringLiteral("/Modules/") + plugin,
                        pluginInstalled.toUtf8().size());
        planner.addFile(makerVolume, copy + u'/' + plugin + QStringLiteral("/Path.txt"), installed.toUtf8().size() + 1);
        planner.addFile(lightroomVolume, editorPresets + u'/' + presets + QStringLiteral(".lrtemplate"),
                        presetFileBound(installed));
    }
    return planner.take();
}

} // namespace roomneeds
