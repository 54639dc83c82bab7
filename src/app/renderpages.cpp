// Draws every page of the installer window, in the states a user meets, to
// PNG files, without a display:
//   render_pages <output folder> [resource folder]
// The resource folder defaults to the repository's sample resources. The
// texts are in the user's language, as the installer would show them, from
// the translations of the built bundle: LANGUAGE=de render_pages out/de.

#include "app/lightappearance.h"
#include "app/scenes.h"
#include "app/translations.h"
#include "platform/languages.h"
#include "state/appsettings.h"
#include "ui/contentview.h"

#include <QApplication>
#include <QDir>
#include <QImage>

#include <cstdio>
#include <vector>

namespace {

struct Size
{
    QSize size;
    int scale;
};

void settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    applyLightAppearance();
    translations::install(app, QStringLiteral(VELTRANO_BUNDLE_TRANSLATIONS), languages::systemLookupOrder());
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2 || arguments.size() > 3) {
        std::fprintf(stderr, "usage: render_pages <output folder> [resource folder]\n");
        return 2;
    }
    const QDir output(arguments[1]);
    if (!QDir().mkpath(output.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(output.path()));
        return 1;
    }
    const QString resources = arguments.size() == 3 ? arguments[2] : QStringLiteral(VELTRANO_SAMPLE_RESOURCES);

    AppEnvironment environment;
    environment.resourceFolder = [resources] { return std::optional<QString>(resources); };
    const std::vector<Size> sizes{{{648, 405}, 1}, {{1000, 700}, 1}, {{648, 405}, 2}};

    for (const Scene &scene : scenes()) {
        AppSettings settings(environment);
        settings.refreshProducts();
        ContentView window(settings, environment.resourceFolder);
        scene.setUp(settings);
        window.show();
        settle();
        for (const Size &size : sizes) {
            window.resize(size.size);
            settle();
            QImage image(size.size * size.scale, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(size.scale);
            image.fill(Qt::transparent);
            window.render(&image);
            const QString file = output.filePath(QStringLiteral("%1-%2x%3@%4x.png")
                                                     .arg(QLatin1String(scene.name))
                                                     .arg(size.size.width())
                                                     .arg(size.size.height())
                                                     .arg(size.scale));
            if (!image.save(file)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
                return 1;
            }
            std::printf("%s\n", qPrintable(file));
        }
    }
    return 0;
}
