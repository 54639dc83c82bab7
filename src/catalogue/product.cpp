#include "catalogue/product.h"

#include <QDir>

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

const Locations &systemLocations()
{
    static const Locations locations(systemEnvironment, QDir::currentPath());
    return locations;
}

} // namespace

BaseFolders baseFoldersFrom(const EnvironmentLookup &environment, const QString &workingFolder)
{
    QString root = environment("VELTRANO_INSTALL_ROOT");
    // The install commands run in "/", where a relative root would land.
    if (!root.isEmpty() && !root.startsWith(u'/'))
        root = withoutTrailingSlash(workingFolder) + u'/' + root;
    root = withoutTrailingSlash(root);
    // Emptiness is judged before the slash goes: "/" is the root folder,
    // not an unset variable.
    const QString dataHome = environment("XDG_DATA_HOME");
    const QString userData = dataHome.startsWith(u'/')
        ? withoutTrailingSlash(dataHome)
        : withoutTrailingSlash(environment("HOME")) + QStringLiteral("/.local/share");
    return {root + QStringLiteral("/opt"), root + QStringLiteral("/usr/local/share"), userData};
}

InstallTargets targetsFrom(const BaseFolders &base)
{
    return {base.applications + QStringLiteral("/Veltrano/"),
            base.applicationSupport + QStringLiteral("/Adobe/Plug-Ins/CC/Veltrano/"),
            base.userApplicationSupport + QStringLiteral("/Adobe/Lightroom/")};
}

Locations::Locations(EnvironmentLookup environment, QString workingFolder)
    : m_environment(std::move(environment))
    , m_workingFolder(std::move(workingFolder))
{
}

const Locations::Values &Locations::values() const
{
    std::call_once(m_computed, [this] {
        m_values.base = baseFoldersFrom(m_environment, m_workingFolder);
        m_values.targets = targetsFrom(m_values.base);
    });
    return m_values;
}

const QString &applications() { return systemLocations().baseFolders().applications; }
const QString &applicationSupport() { return systemLocations().baseFolders().applicationSupport; }
const QString &userApplicationSupport() { return systemLocations().baseFolders().userApplicationSupport; }
const QString &appVeltrano() { return systemLocations().targets().appVeltrano; }
const QString &appSuppVeltrano() { return systemLocations().targets().appSuppVeltrano; }
const QString &userAppSuppLR() { return systemLocations().targets().userAppSuppLR; }

InstallTargets targets() { return systemLocations().targets(); }

bool staged()
{
    static const bool value = !systemEnvironment("VELTRANO_INSTALL_ROOT").isEmpty();
    return value;
}

} // namespace Product
