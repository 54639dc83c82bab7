#include "app/installerapp.h"
#include "app/lightappearance.h"
#include "app/translations.h"
#include "app/unpackedfolder.h"
#include "platform/bundle.h"
#include "platform/languages.h"
#include "platform/platformstart.h"
#include "platform/processsecurity.h"
#include "platform/qtenvironment.h"

#include <QApplication>

#include <memory>
#include <unistd.h>

// A debugger of the same user that could attach to the installer at any
// point could speak to the privileged helper in its name, so the installer
// turns non-traceable before anything of its own or of its libraries runs:
// the dynamic linker calls the executable's pre-initialisers before any
// library's constructors.
namespace {
void untraceableFromTheStart(int, char **, char **) { processsecurity::makeUndumpable(); }
} // namespace
__attribute__((section(".preinit_array"), used)) static void (*const untraceable)(int, char **, char **) =
    untraceableFromTheStart;

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
