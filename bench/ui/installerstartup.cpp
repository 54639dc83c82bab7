// The installer's own start-up, as main() does it, ending at the first
// painted window. Products and license come from the sample resources.

#include "app/installerapp.h"
#include "app/lightappearance.h"
#include "firstpaintprobe.h"
#include "platform/qtenvironment.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    qtenvironment::prepare();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VeltranoInstaller"));
    QApplication::setApplicationDisplayName(QStringLiteral("Veltrano Installer"));
    applyLightAppearance();

    AppEnvironment environment = AppEnvironment::system();
    environment.resourceFolder = [] { return std::optional<QString>(QStringLiteral(VELTRANO_SAMPLE_RESOURCES)); };
    InstallerApp installer(app, environment);
    const FirstPaintProbe probe(installer.window());
    installer.show();
    return QApplication::exec();
}
