#include "platform/stagingroot.h"

#include <QDir>

namespace stagingroot {

std::optional<QString> resolve(const QString &value, const QString &workingFolder)
{
    if (value.isEmpty())
        return std::nullopt;
    return QDir::cleanPath(QDir::isAbsolutePath(value) ? value : workingFolder + u'/' + value);
}

std::optional<QString> current()
{
    static const std::optional<QString> root =
        resolve(qEnvironmentVariable("VELTRANO_INSTALL_ROOT"), QDir::currentPath());
    return root;
}

} // namespace stagingroot
