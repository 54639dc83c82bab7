// The installer without its window, for tests that run it as another user
// or kill it mid-run: the real state, script host and helper, with the
// system's options unless told otherwise.
//   installrunner [--helper PATH] [--elevation PROGRAM] [--system-root FOLDER] --install RESOURCES
//   installrunner [--helper PATH] [--elevation PROGRAM] [--system-root FOLDER] --script FILE
// --system-root puts the maker's and the plug-ins folder below FOLDER, for
// the script host and for the helper it starts; --lightroom FOLDER is the
// user's Lightroom folder of a --script run.
// --install prints the installer's own log lines; --script prints
// "RESULT <text>" or "ERROR <description>". "HELPER <pid>" comes first, once
// the helper has started.
#include "install/scripthost.h"
#include "state/appsettings.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const auto option = [&](const char *name) {
        const qsizetype at = arguments.indexOf(QString::fromLatin1(name));
        return at > 0 && at + 1 < arguments.size() ? arguments.at(at + 1) : QString();
    };
    scripthost::Options options = scripthost::Options::system();
    options.helperPath = option("--helper").isEmpty() ? QStringLiteral(VELTRANO_HELPER_PATH) : option("--helper");
    if (!option("--elevation").isEmpty())
        options.elevation = {option("--elevation")};
    const QString systemRoot = option("--system-root");
    if (!systemRoot.isEmpty()) {
        options.targets = Product::targetsFrom({systemRoot + QStringLiteral("/opt"),
                                                systemRoot + QStringLiteral("/usr/local/share"),
                                                Product::userApplicationSupport()});
        options.installRoot = systemRoot;
    }
    if (const QString lightroom = option("--lightroom"); !lightroom.isEmpty())
        options.targets.userAppSuppLR = lightroom + u'/';
    options.helperStarted = [](pid_t pid) {
        std::printf("HELPER %d\n", int(pid));
        std::fflush(stdout);
    };

    if (const QString file = option("--script"); !file.isEmpty()) {
        QFile source(file);
        if (!source.open(QIODevice::ReadOnly))
            return 2;
        const ScriptOutcome outcome = scripthost::runWith(QString::fromUtf8(source.readAll()), options);
        if (outcome.errorDescription)
            std::printf("ERROR %s\n", outcome.errorDescription->toUtf8().constData());
        if (outcome.result)
            std::printf("RESULT %s\n", outcome.result->toUtf8().constData());
        return 0;
    }

    AppEnvironment environment = AppEnvironment::system();
    const QString resources = option("--install");
    environment.resourceFolder = [resources] { return std::optional<QString>(resources); };
    environment.runScript = [options](const QString &script, const ProgressReport &report) {
        scripthost::Options reporting = options;
        reporting.progress = report;
        return scripthost::runWith(script, reporting);
    };
    if (!systemRoot.isEmpty()) {
        const Product::InstallTargets targets = options.targets;
        environment.installTargets = [targets] { return targets; };
    }
    AppSettings settings(environment);
    settings.refreshProducts();
    settings.setCurrentPage(Page::install);
    settings.installSelectedProducts();
    QCoreApplication::processEvents();
    return 0;
}
