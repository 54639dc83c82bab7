#include "usertesting.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>

#include <pwd.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace usertesting {
namespace {

int run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QByteArray path(const QString &name) { return QFile::encodeName(name); }

QProcess *prepared(const Programs &programs, const QStringList &arguments, const TestUser *user,
                   const QProcessEnvironment &extra, const QString &workingFolder)
{
    auto *process = new QProcess;
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    environment.insert(QStringLiteral("HOME"), user ? user->home() : QStringLiteral("/root"));
    environment.insert(QStringLiteral("USER"), user ? user->name() : QStringLiteral("root"));
    environment.insert(extra);
    process->setProcessEnvironment(environment);
    process->setWorkingDirectory(workingFolder);
    QStringList command{programs.runner, QStringLiteral("--helper"), programs.helper};
    if (user)
        command = QStringList{QStringLiteral("--reuid=%1").arg(user->uid()), QStringLiteral("--regid=%1").arg(user->gid()),
                              QStringLiteral("--init-groups"), QStringLiteral("--")}
                  + command;
    process->setProgram(user ? QStringLiteral("/usr/bin/setpriv") : command.takeFirst());
    process->setArguments(command + arguments);
    return process;
}

} // namespace

TestUser::TestUser(const QString &home)
    : m_home(home)
{
    static int count = 0;
    m_name = QStringLiteral("vpriv%1x%2").arg(getpid()).arg(++count);
    if (run(QStringLiteral("/usr/sbin/useradd"), {QStringLiteral("-M"), QStringLiteral("-U"), QStringLiteral("-G"),
                                                  QStringLiteral("users"), QStringLiteral("-s"), QStringLiteral("/bin/sh"),
                                                  QStringLiteral("-d"), home, m_name})
        != 0)
        return;
    if (const passwd *entry = getpwnam(m_name.toUtf8().constData())) {
        m_uid = entry->pw_uid;
        m_gid = entry->pw_gid;
    }
    freshHome();
}

TestUser::~TestUser()
{
    if (!m_name.isEmpty())
        run(QStringLiteral("/usr/sbin/userdel"), {QStringLiteral("-f"), m_name});
}

void TestUser::freshHome() const
{
    QDir(m_home).removeRecursively();
    QDir().mkpath(m_home);
    chown(path(m_home).constData(), m_uid, m_gid);
    chmod(path(m_home).constData(), 0755);
}

QString installPrograms(const QString &folder, const TestUser &user, Programs &programs)
{
    QDir().mkpath(folder);
    chown(path(folder).constData(), 0, user.gid());
    chmod(path(folder).constData(), 0750);
    struct statvfs system;
    if (statvfs(path(folder).constData(), &system) == 0 && (system.f_flag & ST_NOSUID))
        return folder + QStringLiteral(" lies on a file system mounted nosuid");
    const auto copy = [&](const QString &from, const QString &name, mode_t mode) {
        const QString to = folder + u'/' + name;
        QFile::remove(to);
        QFile::copy(from, to);
        chown(path(to).constData(), 0, user.gid());
        chmod(path(to).constData(), mode);
        return to;
    };
    programs.runner = copy(QStringLiteral(VELTRANO_RUNNER_PATH), QStringLiteral("installrunner"), 0755);
    programs.helper = copy(QStringLiteral(VELTRANO_HELPER_PATH), QStringLiteral("VeltranoHelper"), 0755);
    programs.elevation = copy(QStringLiteral(VELTRANO_FAKE_PKEXEC_PATH), QStringLiteral("pkexec"), 04750);
    return {};
}

Finished runInstaller(const Programs &programs, const QStringList &arguments, const TestUser *user,
                      const QProcessEnvironment &extra, const QString &workingFolder)
{
    std::unique_ptr<QProcess> process(prepared(programs, arguments, user, extra, workingFolder));
    process->start();
    process->waitForFinished(120000);
    return {process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1,
            QString::fromUtf8(process->readAllStandardOutput()), QString::fromUtf8(process->readAllStandardError())};
}

QProcess *startInstaller(const Programs &programs, const QStringList &arguments, const TestUser *user)
{
    QProcess *process = prepared(programs, arguments, user, {}, QStringLiteral("/"));
    process->start();
    return process;
}

QString outcomeOf(const QString &out)
{
    const qsizetype at = out.indexOf(QStringLiteral("ERROR VALUE "));
    if (at < 0)
        return {};
    QString text = out.mid(at + 12);
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

namespace {

// `folder` and everything below it, links not followed.
QStringList treeOf(const QString &folder)
{
    QStringList entries{folder};
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << it.next();
    return entries;
}

} // namespace

QStringList ownedByRoot(const QString &folder)
{
    QStringList found;
    for (const QString &entry : treeOf(folder)) {
        struct stat info;
        if (lstat(path(entry).constData(), &info) == 0 && info.st_uid == 0)
            found << entry;
    }
    return found;
}

QString snapshot(const QString &folder)
{
    QString text;
    QStringList entries = treeOf(folder);
    entries.sort();
    for (const QString &entry : entries) {
        struct stat info;
        if (lstat(path(entry).constData(), &info) != 0)
            continue;
        text += QStringLiteral("%1 %2:%3 %4").arg(entry).arg(info.st_uid).arg(info.st_gid).arg(info.st_mode, 0, 8);
        QFile file(entry);
        if (S_ISREG(info.st_mode) && file.open(QIODevice::ReadOnly))
            text += u' ' + QString::fromUtf8(file.readAll().toHex());
        text += u'\n';
    }
    return text;
}

} // namespace usertesting
