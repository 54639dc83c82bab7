#pragma once

#include "installworld.h"
#include "usertesting.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>
#include <sys/types.h>

// Shared by the tests that run the installer as a desktop user.
namespace desktopuser {

using usertesting::Finished;
using usertesting::Programs;
using usertesting::TestUser;

QByteArray encoded(const QString &path);
// Writes `content` to `path`, making its folders; returns `path`.
QString writeFile(const QString &path, const QByteArray &content);
void giveTo(const QString &path, uid_t uid, gid_t gid);
QString linkText(const QString &path);
// Waits up to 30 seconds, however loaded the machine, for `condition`.
bool waitUntil(const std::function<bool()> &condition);
bool eventuallyExists(const QString &path);

// An unprivileged desktop user who starts the installer, which elevates
// through a stand-in for pkexec; the local install folders lie below
// world(), root's, and the user's home is world("home").
class AsDesktopUser : public ::testing::Test
{
public:
    void SetUp() override
    {
        if (!runningAsRoot())
            GTEST_SKIP() << "creating users and a setuid stand-in for pkexec needs root";
        chmod(encoded(temp.path()).constData(), 0755);
        QDir().mkpath(world());
        user = std::make_unique<TestUser>(world(QStringLiteral("home")));
        if (!user->exists())
            GTEST_SKIP() << "useradd could not create a test user";
        if (const QString error = usertesting::installPrograms(temp(QStringLiteral("programs")), *user, programs); !error.isEmpty())
            GTEST_SKIP() << error.toStdString();
        // The sample products, where the user can read them.
        ASSERT_EQ(QProcess::execute(QStringLiteral("/bin/cp"), {QStringLiteral("-R"), QStringLiteral(VELTRANO_SOURCE_DIR "/resources"), sampleResources}), 0);
    }

    QString world(const QString &relative = {}) const
    {
        return temp(QStringLiteral("world")) + (relative.isEmpty() ? QString() : u'/' + relative);
    }
    QString lightroom(const QString &relative = {}) const
    {
        return user->home() + QStringLiteral("/.local/share/Adobe/Lightroom") + (relative.isEmpty() ? QString() : u'/' + relative);
    }

    Finished install(const QString &resources)
    {
        return usertesting::runInstaller(programs, {QStringLiteral("--elevation"), programs.elevation, QStringLiteral("--system-root"), world(),
                             QStringLiteral("--install"), resources},
                            user.get());
    }

    // A folder of root's, with a secret only root may read, that no link may lead root to change.
    QString victim()
    {
        const QString folder = world(QStringLiteral("victim"));
        QDir(folder).removeRecursively();
        writeFile(folder + QStringLiteral("/shadow"), "secret");
        chmod(encoded(folder + QStringLiteral("/shadow")).constData(), 0600);
        writeFile(folder + QStringLiteral("/victim.txt"), "original");
        return folder;
    }

    // Folders the user made, as the user would have made them.
    void userFolders(const QString &path)
    {
        QDir().mkpath(path);
        for (QString at = path; at.startsWith(user->home()); at = QFileInfo(at).path())
            giveTo(at, user->uid(), user->gid());
    }

    void userLink(const QString &target, const QString &link)
    {
        userFolders(QFileInfo(link).path());
        QFile::link(target, link);
        giveTo(link, user->uid(), user->gid());
    }

    TempFolder temp;
    const QString sampleResources = temp(QStringLiteral("resources"));
    std::unique_ptr<TestUser> user;
    Programs programs;
};


} // namespace desktopuser
