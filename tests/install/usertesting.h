#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <sys/types.h>

// Running the installer as an unprivileged user, elevated by a stand-in
// for pkexec, as a desktop user would run it. Everything here needs root.
namespace usertesting {

// A user created for one test and deleted after it: named vpriv…, with a
// group of its own and the group "users" besides, and `home` (created
// empty, the user's own) as its home folder.
class TestUser
{
public:
    explicit TestUser(const QString &home);
    ~TestUser();
    TestUser(const TestUser &) = delete;
    TestUser &operator=(const TestUser &) = delete;

    bool exists() const { return m_uid != uid_t(-1); }
    QString name() const { return m_name; }
    QString home() const { return m_home; }
    uid_t uid() const { return m_uid; }
    gid_t gid() const { return m_gid; }
    // Makes `home` an empty folder of the user's again.
    void freshHome() const;

private:
    QString m_name;
    QString m_home;
    uid_t m_uid = uid_t(-1);
    gid_t m_gid = gid_t(-1);
};

// The installer's programs where a user can run them, which the build tree
// may not be: the runner (tools/installrunner.cpp), the helper, and the
// pkexec stand-in beside it.
struct Programs
{
    QString runner = QStringLiteral(VELTRANO_RUNNER_PATH);
    QString helper = QStringLiteral(VELTRANO_HELPER_PATH);
    QString elevation;
};

// Copies the programs into `folder` (created), which only root and `user`
// can reach, with the pkexec stand-in setuid root. An error text when the
// folder cannot hold a setuid program.
QString installPrograms(const QString &folder, const TestUser &user, Programs &programs);

struct Finished
{
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the installer without its window, as `user` when given, in
// `workingFolder`, with HOME, USER, PATH and LANG of that user plus `extra`.
Finished runInstaller(const Programs &programs, const QStringList &arguments, const TestUser *user,
                      const QProcessEnvironment &extra = {}, const QString &workingFolder = QStringLiteral("/"));
// The same, started and left running.
class QProcess *startInstaller(const Programs &programs, const QStringList &arguments, const TestUser *user);

// The text after "ERROR VALUE " in the installer's output.
QString outcomeOf(const QString &out);

// Every entry below `folder` (and `folder`), links not followed, whose owner is root.
QStringList ownedByRoot(const QString &folder);

// The content, owner, group and mode of every entry below `folder`, for
// telling whether anything changed.
QString snapshot(const QString &folder);

} // namespace usertesting
