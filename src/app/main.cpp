#include "app/installerapp.h"
#include "app/lightappearance.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VeltranoInstaller"));
    QApplication::setApplicationDisplayName(QStringLiteral("Veltrano Installer"));
    applyLightAppearance();

    InstallerApp installer(app);
    installer.show();
    return QApplication::exec();
}
