#include "platform/qtenvironment.h"

#include "platform/bundle.h"

#include <QFileInfo>
#include <QtGlobal>

namespace qtenvironment {

void prepare()
{
    const auto executables = bundle::executableFolder();
    if (executables && QFileInfo(*executables + QStringLiteral("/../PlugIns")).isDir()) {
        qunsetenv("QT_PLUGIN_PATH");
        qunsetenv("QT_QPA_PLATFORM_PLUGIN_PATH");
    }
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || qgetenv("XDG_SESSION_TYPE") == QByteArrayLiteral("wayland");
    if (wayland && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("wayland;xcb"));
}

} // namespace qtenvironment
