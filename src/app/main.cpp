#include "app/installerapp.h"
#include "app/lightappearance.h"
#include "app/translations.h"
#include "platform/bundle.h"
#include "platform/languages.h"
#include "platform/qtenvironment.h"

#include <QApplication>

int main(int argc, char *argv[])
{
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
