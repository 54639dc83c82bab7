#include "app/installerapp.h"
#include "app/lightappearance.h"
#include "app/translations.h"
#include "platform/bundle.h"
#include "platform/languages.h"
#include "platform/processsecurity.h"
#include "platform/qtenvironment.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // First of all: the pipes to the privileged helper will live in this
    // process, and no other process may ever open them through /proc.
    processsecurity::makeUndumpable();
    qtenvironment::prepare();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VeltranoInstaller"));
    QApplication::setApplicationDisplayName(QStringLiteral("Veltrano Installer"));
    applyLightAppearance();
    // Before the first window, which takes its texts when it is built.
    if (const auto resources = bundle::resourceFolder())
        translations::install(app, translations::folderIn(*resources), languages::systemLookupOrder());

    InstallerApp installer(app);
    installer.show();
    return QApplication::exec();
}
