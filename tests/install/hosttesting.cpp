#include "hosttesting.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <future>
#include <gtest/gtest.h>
#include <unistd.h>

namespace hosttesting {

QString helperPath() { return QStringLiteral(VELTRANO_HELPER_PATH); }

scripthost::Options direct()
{
    scripthost::Options options;
    options.helperPath = helperPath();
    // `chown -R $USER` needs a user who exists: the one running the tests.
    const scripthost::Options system = scripthost::Options::system();
    options.user = system.user;
    options.home = system.home;
    return options;
}

scripthost::Options asNobody(unsigned invokingUid)
{
    scripthost::Options options = direct();
    options.elevation = {QStringLiteral("/usr/bin/setpriv"),   QStringLiteral("--reuid=nobody"),
                         QStringLiteral("--regid=nogroup"), QStringLiteral("--clear-groups"),
                         QStringLiteral("/usr/bin/env"), QStringLiteral("PKEXEC_UID=%1").arg(invokingUid)};
    return options;
}

scripthost::Options elevatedBy(const QString &shell)
{
    scripthost::Options options = direct();
    options.elevation = {QStringLiteral("/bin/sh"), QStringLiteral("-c"), shell};
    return options;
}

QString asUser(const QString &shell, const QString &file)
{
    QString command = QStringLiteral("echo \"$(%1)\" > \"%2\"").arg(shell, file);
    command.replace(u'\\', QStringLiteral("\\\\"));
    command.replace(u'"', QStringLiteral("\\\""));
    return QStringLiteral("do shell script \"%1\" with administrator privileges\n").arg(command);
}

scripthost::Options withLightroom(scripthost::Options options, const QString &folder)
{
    options.targets.userAppSuppLR = folder.endsWith(u'/') ? folder : folder + u'/';
    return options;
}

ScriptOutcome runGuarded(const QString &source, const scripthost::Options &options, std::chrono::seconds limit)
{
    auto future = std::async(std::launch::async, [source, options] { return scripthost::runWith(source, options); });
    if (future.wait_for(limit) != std::future_status::ready) {
        ADD_FAILURE() << "the script host did not finish: " << source.toStdString();
        std::abort(); // a hung run cannot be abandoned safely
    }
    return future.get();
}

namespace {

QList<int> scanProcesses(const std::function<bool(const QString &pid)> &matches)
{
    QList<int> found;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        bool numeric = false;
        const int pid = entry.toInt(&numeric);
        if (numeric && matches(entry)) {
            // A zombie has already ended; only its parent has yet to notice.
            QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
            if (stat.open(QIODevice::ReadOnly) && stat.readAll().contains(") Z "))
                continue;
            found.append(pid);
        }
    }
    return found;
}

} // namespace

scripthost::Options marked(scripthost::Options options, const QString &marker)
{
    options.elevation << QStringLiteral("/usr/bin/env") << QStringLiteral("VELTRANO_TEST_MARK=") + marker;
    return options;
}

QList<int> processesMarked(const QString &marker)
{
    const QByteArray wanted = QByteArray("VELTRANO_TEST_MARK=") + marker.toUtf8() + '\0';
    return scanProcesses([&](const QString &pid) {
        QFile environ(QStringLiteral("/proc/%1/environ").arg(pid));
        return environ.open(QIODevice::ReadOnly) && environ.readAll().contains(wanted);
    });
}

QList<int> processesWithArgument(const QString &argument)
{
    return scanProcesses([&](const QString &pid) {
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(pid));
        return cmdline.open(QIODevice::ReadOnly) && cmdline.readAll().contains(argument.toUtf8());
    });
}

QList<int> processesHolding(const QString &link)
{
    return scanProcesses([&](const QString &pid) {
        const QString folder = QStringLiteral("/proc/%1/fd/").arg(pid);
        for (const QString &fd : QDir(folder).entryList(QDir::System | QDir::Files)) {
            char target[256];
            const ssize_t size = readlink(QFile::encodeName(folder + fd).constData(), target, sizeof target);
            if (size > 0 && QByteArray(target, size) == link.toUtf8())
                return true;
        }
        return false;
    });
}

bool eventuallyEmpty(const std::function<QList<int>()> &probe)
{
    for (int i = 0; i < 100; ++i) {
        if (probe().isEmpty())
            return true;
        QThread::msleep(50);
    }
    return probe().isEmpty();
}

} // namespace hosttesting
