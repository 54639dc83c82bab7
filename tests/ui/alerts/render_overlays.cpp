// Renders every overlay at several window sizes into PNG files, for looking
// at them: alert_renders <output folder>. Runs on the offscreen platform;
// QT_SCALE_FACTOR=2 draws them for a high density screen, and LANGUAGE=de
// in German, from the translations of the built bundle.

#include "app/lightappearance.h"
#include "app/translations.h"
#include "platform/languages.h"
#include "state/appsettings.h"
#include "support/fakeenvironment.h"
#include "ui/contentview.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

namespace {

struct Scene
{
    const char *name;
    void (*raise)(AppSettings &);
};

const Scene scenes[] = {
    {"license", [](AppSettings &s) {
         s.setCurrentPage(Page::license);
         s.setShowLicenseAlert(true);
     }},
    {"install", [](AppSettings &s) {
         s.setCurrentPage(Page::install);
         s.setShowPermanentlyAlert(true);
     }},
    {"finder", [](AppSettings &s) {
         s.setCurrentPage(Page::install);
         s.setShowFinderAlert(true);
     }},
    {"log", [](AppSettings &s) {
         s.setCurrentPage(Page::summary);
         s.setCompletedWithErrors(true);
         s.setLogDetailsStr(QStringLiteral(
             "cp: cannot create directory '/opt/Veltrano/Softhaze 3 Plug-in': Permission denied\n"
             "ln: failed to create symbolic link '/usr/local/share/Adobe/Plug-Ins/CC/Veltrano/Softhaze 3 Plug-in': "
             "No such file or directory\n"
             "mkdir: cannot create directory '/opt/Veltrano': Read-only file system"));
         s.setShowLogDetailsWindow(true);
     }},
    {"progress-prompt", [](AppSettings &s) {
         s.setCurrentPage(Page::install);
         s.setInstallProgress(ScriptProgress{1, 28, {}, true});
     }},
    {"progress-copying", [](AppSettings &s) {
         s.setCurrentPage(Page::install);
         s.setInstallProgress(ScriptProgress{13, 28, QStringLiteral("Veltrano Softhaze 4"), false});
     }},
    {"progress-long-name", [](AppSettings &s) {
         s.setCurrentPage(Page::install);
         s.setInstallProgress(ScriptProgress{3, 28,
                                             QStringLiteral("Softhaze 4 Plug-in for Photoshop, Lightroom Classic and "
                                                            "every other host application that knows plug-ins"),
                                             false});
     }},
    {"log-empty", [](AppSettings &s) {
         s.setCurrentPage(Page::summary);
         s.setShowLogDetailsWindow(true);
     }},
};

const QSize sizes[] = {{648, 405}, {1000, 700}, {420, 300}, {300, 200}};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    applyLightAppearance();
    translations::install(app, QStringLiteral(VELTRANO_BUNDLE_DIR "/Contents/Resources/translations"),
                          languages::systemLookupOrder());
    if (argc < 2) {
        std::fprintf(stderr, "usage: alert_renders <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    for (const Scene &scene : scenes) {
        for (const QSize size : sizes) {
            FakeWorld world;
            AppSettings settings(world.environment());
            world.resourceFolder = QStringLiteral(VELTRANO_SOURCE_DIR "/resources");
            settings.refreshProducts();
            scene.raise(settings);
            // The real window; below its minimum size only the alert layer
            // is looked at, so the window is forced smaller.
            auto *page = new ContentView(settings, [] {
                return std::optional<QString>(QStringLiteral(VELTRANO_SOURCE_DIR "/resources"));
            });
            page->setMinimumSize(0, 0);
            page->resize(size);
            page->show();
            QApplication::processEvents();
            QApplication::processEvents();
            // Under QT_SCALE_FACTOR=2 the widgets draw themselves at twice the
            // pixels, as on a high density screen.
            const qreal ratio = page->devicePixelRatioF();
            const QString file = out.filePath(QStringLiteral("%1-%2x%3%4.png")
                                                  .arg(QLatin1String(scene.name))
                                                  .arg(size.width())
                                                  .arg(size.height())
                                                  .arg(ratio > 1 ? QStringLiteral("@%1x").arg(ratio) : QString()));
            if (!page->grab().save(file)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
                return 1;
            }
            std::printf("%s\n", qPrintable(file));
            delete page;
        }
    }
    return 0;
}
