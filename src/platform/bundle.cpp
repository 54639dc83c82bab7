#include "platform/bundle.h"

#include <QDir>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace bundle {
namespace {

std::optional<QString> executablePath()
{
    std::error_code error;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return std::nullopt;
    return QString::fromStdString(path.string());
}

} // namespace

std::optional<QString> executableFolder()
{
    const auto exe = executablePath();
    if (!exe)
        return std::nullopt;
    return QFileInfo(*exe).absolutePath();
}

std::optional<QString> resourceFolder()
{
    const auto executables = executableFolder();
    if (!executables)
        return std::nullopt;
    const QString folder = QDir::cleanPath(*executables + QStringLiteral("/../Resources"));
    if (!QFileInfo(folder).isDir())
        return std::nullopt;
    return folder;
}

QStringList localizedPaths(const QString &folder, const QString &name, const QStringList &languages)
{
    QStringList paths;
    for (const QString &language : languages)
        paths += folder + u'/' + language + QStringLiteral(".lproj/") + name;
    paths += folder + u'/' + name;
    return paths;
}

} // namespace bundle
