#include "platform/userfolders.h"

#include "platform/pathtext.h"

#include <QFile>

#include <pwd.h>
#include <unistd.h>

namespace userfolders {

Folders foldersFrom(const EnvironmentLookup &environment)
{
    Folders folders;
    folders.home = environment("HOME");
    const QString dataHome = environment("XDG_DATA_HOME");
    folders.data = dataHome.startsWith(u'/') ? pathtext::joinable(dataHome) : dataFolderIn(folders.home);
    return folders;
}

QString dataFolderIn(const QString &home) { return pathtext::joinable(home) + QStringLiteral("/.local/share"); }

QString systemEnvironment(const char *name)
{
    QString value = qEnvironmentVariable(name);
    const bool home = qstrcmp(name, "HOME") == 0;
    if (value.isEmpty() && (home || qstrcmp(name, "USER") == 0)) {
        if (const passwd *entry = getpwuid(getuid()))
            value = home ? QFile::decodeName(entry->pw_dir) : QString::fromLocal8Bit(entry->pw_name);
    }
    return value;
}

} // namespace userfolders
