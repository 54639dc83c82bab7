#include "desktopuser.h"

#include <QFileInfo>
#include <QThread>

#include <sys/stat.h>
#include <unistd.h>

using namespace hosttesting;
using namespace usertesting;

namespace desktopuser {

QByteArray encoded(const QString &path) { return QFile::encodeName(path); }

QString writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return path;
}

void giveTo(const QString &path, uid_t uid, gid_t gid) { lchown(encoded(path).constData(), uid, gid); }

QString linkText(const QString &path)
{
    char target[256] = {};
    const ssize_t size = readlink(encoded(path).constData(), target, sizeof target - 1);
    return size > 0 ? QString::fromLatin1(target, size) : QString();
}

bool waitUntil(const std::function<bool()> &condition)
{
    for (int i = 0; i < 600 && !condition(); ++i)
        QThread::msleep(50);
    return condition();
}

bool eventuallyExists(const QString &path)
{
    return waitUntil([&] { return QFileInfo::exists(path); });
}

} // namespace desktopuser
