#include "support/tempfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

TempFolder::TempFolder() = default;

QString TempFolder::operator()(const QString &relative) const { return m_dir.filePath(relative); }

QString TempFolder::makeFolder(const QString &relative) const
{
    const QString path = (*this)(relative);
    QDir().mkpath(path);
    return path;
}

QString TempFolder::writeFile(const QString &relative, const QByteArray &content) const
{
    const QString path = (*this)(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return path;
}

bool runningAsRoot() { return geteuid() == 0; }
