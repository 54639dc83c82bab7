#include "install/roomneeds.h"

#include <QMap>

#include <gtest/gtest.h>

using roomneeds::EntryKind;
using roomneeds::Existing;
using roomneeds::Need;
using roomneeds::Volume;

namespace {

struct Entry
{
    QString relative;
    EntryKind kind;
    qint64 size;
};

// A disk made of tables: the file system of each target folder, the trees of
// the elements, and what already exists at a destination. It records every
// destination it was asked about.
class TableDisk : public roomneeds::Disk
{
public:
    QMap<QString, Volume> volumes;
    QMap<QString, QList<Entry>> trees;
    QMap<QString, Existing> entries;
    QStringList asked;

    Volume volumeOf(const QString &folder) override { return volumes.value(folder); }
    void walk(const QString &folder, const Visit &visit) override
    {
        for (const Entry &entry : trees.value(folder))
            visit(entry.relative, entry.kind, entry.size);
    }
    std::optional<Existing> existing(const QString &path) override
    {
        asked.append(path);
        const auto found = entries.constFind(path);
        return found == entries.cend() ? std::nullopt : std::optional(*found);
    }
};

const Product::InstallTargets targets{QStringLiteral("/M/Veltrano/"), QStringLiteral("/P/Veltrano/"),
                                      QStringLiteral("/L/Adobe/Lightroom/")};
const QString plain = QStringLiteral("/prod/Softhaze 3/A Plug-in");
const QString lightroom = QStringLiteral("/prod/Softhaze 3/Softhaze 3 Lightroom");

Volume volume(const QString &mountPoint)
{
    return Volume{mountPoint, mountPoint, roomneeds::Capacity{4096, 1'000'000'000, 1'000'000, true, false}, {}};
}

Existing folder() { return {EntryKind::folder, 0}; }
Existing file(qint64 size) { return {EntryKind::file, size}; }

// The plain element: sizes that round to 1, 1, 2, 0 and 1 blocks of 4096.
TableDisk plainDisk()
{
    TableDisk disk;
    disk.volumes = {{targets.appVeltrano, volume(QStringLiteral("/M"))},
                    {targets.appSuppVeltrano, volume(QStringLiteral("/P"))},
                    {targets.userAppSuppLR, volume(QStringLiteral("/L"))}};
    disk.trees[plain] = {{QStringLiteral("a"), EntryKind::file, 1},
                         {QStringLiteral("b"), EntryKind::file, 4096},
                         {QStringLiteral("c"), EntryKind::file, 4097},
                         {QStringLiteral("d"), EntryKind::file, 0},
                         {QStringLiteral("sub"), EntryKind::folder, 0},
                         {QStringLiteral("sub/e"), EntryKind::file, 10}};
    disk.entries = {{QStringLiteral("/M"), folder()}, {QStringLiteral("/P"), folder()}, {QStringLiteral("/L"), folder()}};
    return disk;
}

// `disk` after an earlier installation of the plain element, with the sizes
// the files had then.
void installedBefore(TableDisk &disk, qint64 a, qint64 b, qint64 c)
{
    const QString copy = QStringLiteral("/M/Veltrano/A Plug-in/");
    for (const QString &path : {QStringLiteral("/M/Veltrano"), QStringLiteral("/M/Veltrano/A Plug-in"),
                                copy + QStringLiteral("sub"), QStringLiteral("/P/Veltrano")})
        disk.entries.insert(path, folder());
    disk.entries.insert(copy + QStringLiteral("a"), file(a));
    disk.entries.insert(copy + QStringLiteral("b"), file(b));
    disk.entries.insert(copy + QStringLiteral("c"), file(c));
    disk.entries.insert(copy + QStringLiteral("d"), file(0));
    disk.entries.insert(copy + QStringLiteral("sub/e"), file(10));
    disk.entries.insert(QStringLiteral("/P/Veltrano/A Plug-in"), {EntryKind::link, 0});
}

struct Expected
{
    QString mountPoint;
    QStringList folders;
    qint64 bytes;
    qint64 inodes;
    qint64 writes;
};

struct NeedsRow
{
    const char *name;
    std::function<TableDisk()> disk;
    QStringList elements;
    QList<Expected> needs;
};

void PrintTo(const NeedsRow &row, std::ostream *out) { *out << row.name; }

class NeedsOf : public ::testing::TestWithParam<NeedsRow>
{
};

} // namespace

TEST_P(NeedsOf, CountsRoundedBlocksAndInodesPerFileSystemLessWhatIsReplaced)
{
    const NeedsRow row = GetParam();
    TableDisk disk = row.disk();
    const std::vector<Need> needs = roomneeds::needsOf(targets, row.elements, disk);
    ASSERT_EQ(needs.size(), std::size_t(row.needs.size()));
    for (qsizetype i = 0; i < row.needs.size(); ++i) {
        SCOPED_TRACE(row.needs[i].mountPoint.toStdString());
        EXPECT_EQ(needs[std::size_t(i)].volume.mountPoint, row.needs[i].mountPoint);
        EXPECT_EQ(needs[std::size_t(i)].folders, row.needs[i].folders);
        EXPECT_EQ(needs[std::size_t(i)].bytes, row.needs[i].bytes);
        EXPECT_EQ(needs[std::size_t(i)].inodes, row.needs[i].inodes);
        EXPECT_EQ(needs[std::size_t(i)].writes, row.needs[i].writes);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Runs, NeedsOf,
    ::testing::Values(
        // Three new folders and five new files of five blocks; a new folder and
        // a link short enough to live in its inode.
        NeedsRow{"freshPlain", plainDisk, {plain},
                 {{QStringLiteral("/M"), {targets.appVeltrano}, 8 * 4096, 8, 8},
                  {QStringLiteral("/P"), {targets.appSuppVeltrano}, 4096, 2, 2}}},
        NeedsRow{"upgradeOfItself",
                 [] {
                     TableDisk disk = plainDisk();
                     installedBefore(disk, 1, 4096, 4097);
                     return disk;
                 },
                 {plain},
                 {{QStringLiteral("/M"), {targets.appVeltrano}, 0, 0, 5},
                  {QStringLiteral("/P"), {targets.appSuppVeltrano}, 0, 0, 1}}},
        // c grows from one block to two; b shrinks from three to one, which
        // frees nothing for the others, as cp rewrites each file in place.
        NeedsRow{"upgradeWithAGrownFile",
                 [] {
                     TableDisk disk = plainDisk();
                     installedBefore(disk, 1, 3 * 4096, 10);
                     return disk;
                 },
                 {plain},
                 {{QStringLiteral("/M"), {targets.appVeltrano}, 4096, 0, 5},
                  {QStringLiteral("/P"), {targets.appSuppVeltrano}, 0, 0, 1}}},
        NeedsRow{"oneFileSystemForBoth",
                 [] {
                     TableDisk disk = plainDisk();
                     disk.volumes[targets.appSuppVeltrano] = volume(QStringLiteral("/M"));
                     return disk;
                 },
                 {plain},
                 {{QStringLiteral("/M"), {targets.appVeltrano, targets.appSuppVeltrano}, 9 * 4096, 10, 10}}},
        NeedsRow{"blocksOf512",
                 [] {
                     TableDisk disk = plainDisk();
                     disk.volumes[targets.appVeltrano].capacity->blockSize = 512;
                     return disk;
                 },
                 {plain},
                 {{QStringLiteral("/M"), {targets.appVeltrano}, 3 * 512 + 512 + 4096 + 4608 + 0 + 512, 8, 8},
                  {QStringLiteral("/P"), {targets.appSuppVeltrano}, 4096, 2, 2}}},
        // The copy in the maker's folder gets five folders and three files
        // (Path.txt among them); the Lightroom folder gets seven folders, the
        // export preset, the External Editor preset and the Modules link.
        NeedsRow{"freshLightroom",
                 [] {
                     TableDisk disk = plainDisk();
                     disk.trees[lightroom] = {
                         {QStringLiteral("softhaze3.lrdevplugin"), EntryKind::folder, 0},
                         {QStringLiteral("softhaze3.lrdevplugin/Info.lua"), EntryKind::file, 100},
                         {QStringLiteral("Veltrano Softhaze 3"), EntryKind::folder, 0},
                         {QStringLiteral("Veltrano Softhaze 3/p.lrtemplate"), EntryKind::file, 5000},
                         {QStringLiteral("Softhaze3.app"), EntryKind::folder, 0},
                     };
                     return disk;
                 },
                 {lightroom},
                 {{QStringLiteral("/M"), {targets.appVeltrano}, 9 * 4096, 8, 8},
                  {QStringLiteral("/L"), {targets.userAppSuppLR}, 10 * 4096, 10, 10}}}),
    [](const auto &info) { return std::string(info.param.name); });

// A fresh installation asks the disk nothing below a folder it will make
// itself, so the check does not double the cost of a large product.
TEST(NeedsOf, AsksNothingBelowAFolderTheRunMakes)
{
    TableDisk disk = plainDisk();
    roomneeds::needsOf(targets, {plain}, disk);
    for (const QString &path : disk.asked)
        EXPECT_FALSE(path.startsWith(QStringLiteral("/M/Veltrano/A Plug-in/"))) << path.toStdString();
    EXPECT_TRUE(disk.asked.contains(QStringLiteral("/M/Veltrano")));
}

TEST(NeedsOf, RoundsUpToWholeBlocks)
{
    struct Row
    {
        qint64 bytes, blockSize, rounded;
    };
    for (const Row row : {Row{0, 4096, 0}, Row{1, 4096, 4096}, Row{4096, 4096, 4096}, Row{4097, 4096, 8192},
                          Row{1000, 512, 1024}, Row{7, 0, 7}})
        EXPECT_EQ(roomneeds::roundedToBlocks(row.bytes, row.blockSize), row.rounded) << row.bytes << "/" << row.blockSize;
}
