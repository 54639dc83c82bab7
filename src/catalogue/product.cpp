#include "catalogue/product.h"

#include "platform/pathtext.h"
#include "platform/userfolders.h"

#include <QDir>

namespace Product {
namespace {

using userfolders::systemEnvironment;

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
        root = pathtext::joinable(workingFolder) + u'/' + root;
    // Suffixes join with exactly one "/"; the root folder itself is empty.
    root = pathtext::joinable(root);
    return {root + QStringLiteral("/opt"), root + QStringLiteral("/usr/local/share"),
            userfolders::foldersFrom(environment).data};
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
