#include "catalogue/product.h"

#include <pwd.h>
#include <unistd.h>

namespace Product {
namespace {

QString systemEnvironment(const char *name)
{
    QString value = qEnvironmentVariable(name);
    // A session without HOME still has a home folder in the user database.
    if (value.isEmpty() && qstrcmp(name, "HOME") == 0) {
        if (const passwd *entry = getpwuid(getuid()))
            value = QString::fromLocal8Bit(entry->pw_dir);
    }
    return value;
}

// Strips trailing slashes so that suffixes always join with exactly one "/";
// a bare "/" (the root itself) becomes empty for the same reason.
QString withoutTrailingSlash(QString path)
{
    while (path.endsWith(u'/'))
        path.chop(1);
    return path;
}

const BaseFolders &systemBaseFolders()
{
    static const BaseFolders folders = baseFoldersFrom(systemEnvironment);
    return folders;
}

const InstallTargets &systemTargets()
{
    static const InstallTargets folders = targetsFrom(systemBaseFolders());
    return folders;
}

} // namespace

BaseFolders baseFoldersFrom(const EnvironmentLookup &environment)
{
    const QString root = withoutTrailingSlash(environment("VELTRANO_INSTALL_ROOT"));
    QString userData = withoutTrailingSlash(environment("XDG_DATA_HOME"));
    if (userData.isEmpty()) {
        const QString home = withoutTrailingSlash(environment("HOME"));
        userData = home + QStringLiteral("/.local/share");
    }
    return {root + QStringLiteral("/opt"), root + QStringLiteral("/usr/local/share"), userData};
}

InstallTargets targetsFrom(const BaseFolders &base)
{
    return {base.applications + QStringLiteral("/Veltrano/"),
            base.applicationSupport + QStringLiteral("/Adobe/Plug-Ins/CC/Veltrano/"),
            base.userApplicationSupport + QStringLiteral("/Adobe/Lightroom/")};
}

// Function-local statics are initialised exactly once even when several
// threads ask at the same time.
const QString &applications() { return systemBaseFolders().applications; }
const QString &applicationSupport() { return systemBaseFolders().applicationSupport; }
const QString &userApplicationSupport() { return systemBaseFolders().userApplicationSupport; }
const QString &appVeltrano() { return systemTargets().appVeltrano; }
const QString &appSuppVeltrano() { return systemTargets().appSuppVeltrano; }
const QString &userAppSuppLR() { return systemTargets().userAppSuppLR; }

InstallTargets targets() { return systemTargets(); }

} // namespace Product
