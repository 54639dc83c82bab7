#include "desktopuser.h"

#include <QDirIterator>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace hosttesting;
using namespace usertesting;
using namespace desktopuser;

namespace {

// A plain plug-in product in a bundle the user unpacked, so the user owns
// and may change every file of it, as after unpacking the shipped file.
class UsersBundle : public AsDesktopUser
{
public:
    QString bundle() const { return temp(QStringLiteral("bundle")); }
    QString element(const QString &relative = {}) const
    {
        return bundle() + QStringLiteral("/Products/Softhaze 3/Softhaze 3 Plug-in") + (relative.isEmpty() ? QString() : u'/' + relative);
    }
    QString installed(const QString &relative = {}) const
    {
        return world(QStringLiteral("opt/Veltrano/Softhaze 3 Plug-in")) + (relative.isEmpty() ? QString() : u'/' + relative);
    }

    // The bundle on a file system of its own, where a folder's entries are
    // listed newest first, so the order in which root meets them is known.
    bool mountBundle()
    {
        QDir().mkpath(bundle());
        if (::mount("tmpfs", encoded(bundle()).constData(), "tmpfs", 0, "mode=0755") != 0)
            return false;
        m_mounted = true;
        return true;
    }
    void unmountBundle()
    {
        if (m_mounted)
            umount2(encoded(bundle()).constData(), MNT_DETACH);
        m_mounted = false;
    }
    void TearDown() override { unmountBundle(); }

    void giveBundleToTheUser()
    {
        giveTo(bundle(), user->uid(), user->gid());
        QDirIterator it(bundle(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            giveTo(it.next(), user->uid(), user->gid());
    }

    // Every file root made in the maker's folder, with its content.
    QString installedContents() const
    {
        QString all;
        QDirIterator it(world(QStringLiteral("opt")), QDir::Files | QDir::System | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            if (file.open(QIODevice::ReadOnly))
                all += it.filePath() + u' ' + QString::fromUtf8(file.readAll()) + u'\n';
        }
        return all;
    }

private:
    bool m_mounted = false;
};

} // namespace

// Root copies what the user could read, as it was when it was opened: a
// file only root may read, a FIFO or a folder swapped for a link to root's
// files during the copy stops the run and leaves nothing of it installed;
// set-user-ID, set-group-ID and sticky bits never reach the copy.
TEST_F(UsersBundle, ProductsAreReadWithTheUsersIdentityAndCopiedAsOpened)
{
    const QString secret = QStringLiteral("root's secret");
    struct Row
    {
        const char *name;
        std::function<void(UsersBundle &, const QString &victim)> plant; // before the run, as root
        std::function<void(UsersBundle &, const QString &victim)> during; // once root's copy has begun
        QString outcome;                                                  // what the failure says; empty: "Ok"
    };
    const Row rows[] = {
        {"a file only root may read",
         [](UsersBundle &t, const QString &) {
             writeFile(t.element(QStringLiteral("private.key")), "root's secret");
         },
         {}, QStringLiteral("private.key': Permission denied")},
        {"a FIFO among the files",
         [](UsersBundle &t, const QString &) { mkfifo(encoded(t.element(QStringLiteral("pipe"))).constData(), 0644); }, {},
         QStringLiteral("it is not a regular file, folder or link")},
        {"set-user-ID, set-group-ID and sticky bits",
         [](UsersBundle &t, const QString &) {
             writeFile(t.element(QStringLiteral("tool")), "#!/bin/sh\n");
             QDir().mkpath(t.element(QStringLiteral("shared")));
         },
         {}, {}},
        {"a folder swapped for a link to root's folder during the copy",
         [](UsersBundle &t, const QString &) {
             // Made first, so that it is met last, after a large file
             // whose copy takes a while.
             QDir().mkpath(t.element(QStringLiteral("presets")));
             writeFile(t.element(QStringLiteral("presets/a.lrtemplate")), "preset");
             QFile large(t.element(QStringLiteral("large.bin")));
             ASSERT_TRUE(large.open(QIODevice::WriteOnly));
             const QByteArray block(1 << 20, 'v');
             for (int i = 0; i < 384; ++i)
                 large.write(block);
         },
         [](UsersBundle &t, const QString &victim) {
             ASSERT_TRUE(eventuallyExists(t.installed(QStringLiteral("large.bin"))));
             ASSERT_EQ(rename(encoded(t.element(QStringLiteral("presets"))).constData(),
                              encoded(t.element(QStringLiteral("old-presets"))).constData()),
                       0);
             ASSERT_EQ(symlink(encoded(victim).constData(), encoded(t.element(QStringLiteral("presets"))).constData()), 0);
         },
         QStringLiteral("refusing to install")},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        QDir(world(QStringLiteral("opt"))).removeRecursively();
        if (!mountBundle())
            GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
        const QString victimFolder = victim();
        writeFile(element(QStringLiteral("softhaze3.filter")), "filter");
        row.plant(*this, victimFolder);
        giveBundleToTheUser();
        // After the change of owner, which clears set-user-ID bits.
        chmod(encoded(element(QStringLiteral("tool"))).constData(), 06755);
        chmod(encoded(element(QStringLiteral("shared"))).constData(), 01777);
        giveTo(element(QStringLiteral("private.key")), 0, 0);
        chmod(encoded(element(QStringLiteral("private.key"))).constData(), 0600);

        std::thread during;
        if (row.during)
            during = std::thread([&] { row.during(*this, victimFolder); });
        const Finished run = install(bundle());
        if (during.joinable())
            during.join();
        unmountBundle();

        if (row.outcome.isEmpty()) {
            EXPECT_EQ(outcomeOf(run.out), QStringLiteral("Ok")) << run.out.toStdString();
        } else {
            EXPECT_TRUE(outcomeOf(run.out).contains(row.outcome)) << outcomeOf(run.out).toStdString();
        }
        EXPECT_FALSE(installedContents().contains(secret)) << installedContents().toStdString();
        EXPECT_FALSE(installedContents().contains(QStringLiteral("secret"))) << "root's files were copied";
        QDirIterator it(world(QStringLiteral("opt")), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            struct stat info;
            ASSERT_EQ(lstat(encoded(it.next()).constData(), &info), 0);
            EXPECT_EQ(info.st_mode & 07000, 0u) << it.filePath().toStdString();
            EXPECT_FALSE(S_ISFIFO(info.st_mode)) << it.filePath().toStdString();
        }
    }
}
