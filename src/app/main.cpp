#include "app/installerapp.h"
#include "app/lightappearance.h"
#include "app/translations.h"
#include "app/unpackedfolder.h"
#include "platform/bundle.h"
#include "platform/languages.h"
#include "platform/platformstart.h"
#include "platform/qtenvironment.h"

#include <QApplication>

#include <memory>
#include <unistd.h>

int main(int argc, char *argv[])
{
    qtenvironment::prepare();
    const auto executables = bundle::executableFolder();
    const auto unpacked = executables ? UnpackedFolder::fromEnvironment(*executables) : std::nullopt;
    // Until the platform has started: a platform that cannot start ends the
    // program with one line that says why.
    auto watch = std::make_unique<platformstart::Watch>();
    QApplication app(argc, argv);
    watch.reset();
    QApplication::setApplicationName(QStringLiteral("VeltranoInstaller"));
    QApplication::setApplicationDisplayName(QStringLiteral("Veltrano Installer"));
    applyLightAppearance();
    // Before the first window, which takes its texts when it is built.
    if (const auto resources = bundle::resourceFolder())
        translations::install(app, translations::folderIn(*resources), languages::systemLookupOrder());

    InstallerApp installer(app);
    installer.show();
    const int status = QApplication::exec();
    if (unpacked)
        unpacked->removeIfOrphaned(getppid());
    return status;
}
