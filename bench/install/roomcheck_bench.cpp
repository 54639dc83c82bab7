// The room check's cost against the staged run it guards, measured in one
// go: a product of many small files (250,000 unless told) is written to a
// temporary folder, checked and installed into a staging root through the
// real script host and helper, then checked and installed again over
// itself, as an upgrade.
//   roomcheck_bench [files] [work folder]
// Prints the median of five checks, the run's time and their ratio.
#include "catalogue/product.h"
#include "install/installscript.h"
#include "install/scripthost.h"
#include "install/systemdisk.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int filesPerFolder = 500;
constexpr int checks = 5;

bool writeProduct(const QString &element, int files)
{
    const QByteArray content(100, 'v');
    for (int i = 0; i < files; ++i) {
        const QString folder = element + QStringLiteral("/d%1").arg(i / filesPerFolder);
        if (i % filesPerFolder == 0 && !QDir().mkpath(folder))
            return false;
        QFile file(folder + QStringLiteral("/f%1").arg(i));
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            return false;
    }
    return true;
}

// Median of five checks, in milliseconds; `refused` tells whether they refused.
double medianCheck(const Product::InstallTargets &targets, const QStringList &elements, bool &refused)
{
    std::vector<double> times;
    for (int i = 0; i < checks; ++i) {
        QElapsedTimer timer;
        timer.start();
        refused = checkRoom(targets, elements).refused();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The run's time in milliseconds, or a negative value when it did not return "Ok".
double timedRun(const QString &script)
{
    scripthost::Options options = scripthost::Options::system();
    options.elevation.clear(); // a staged installation never elevates
    options.helperPath = QStringLiteral(VELTRANO_HELPER_PATH);
    QElapsedTimer timer;
    timer.start();
    const ScriptOutcome outcome = scripthost::runWith(script, options);
    const double elapsed = double(timer.nsecsElapsed()) / 1e6;
    if (outcome.result != QStringLiteral("Ok")) {
        std::fprintf(stderr, "the run failed: %s%s\n", qPrintable(outcome.result.value_or(QString())),
                     qPrintable(outcome.errorDescription.value_or(QString())));
        return -1;
    }
    return elapsed;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const int files = arguments.size() > 1 ? arguments.at(1).toInt() : 250000;
    QTemporaryDir work(arguments.size() > 2 ? arguments.at(2) + QStringLiteral("/roomcheck-XXXXXX")
                                            : QDir::tempPath() + QStringLiteral("/roomcheck-XXXXXX"));
    if (files <= 0 || !work.isValid()) {
        std::fprintf(stderr, "usage: roomcheck_bench [files > 0] [work folder]\n");
        return 2;
    }
    const QString element = work.filePath(QStringLiteral("Products/Many/Many Plug-in"));
    std::printf("writing a product of %d files of 100 bytes in %s\n", files, qPrintable(work.path()));
    std::fflush(stdout);
    if (!writeProduct(element, files)) {
        std::fprintf(stderr, "cannot write the product\n");
        return 1;
    }
    const QString stage = work.filePath(QStringLiteral("stage"));
    const Product::InstallTargets targets = Product::targetsFrom(
        {stage + QStringLiteral("/opt"), stage + QStringLiteral("/usr/local/share"), stage + QStringLiteral("/xdg")});
    const QString script = installscript::compose(targets, {element});

    std::printf("%-10s %14s %14s %8s\n", "run", "check (ms)", "run (ms)", "ratio");
    for (const char *name : {"fresh", "upgrade"}) {
        bool refused = false;
        const double check = medianCheck(targets, {element}, refused);
        if (refused) {
            std::fprintf(stderr, "the check refused the %s run\n", name);
            return 1;
        }
        const double run = timedRun(script);
        if (run < 0)
            return 1;
        std::printf("%-10s %14.1f %14.1f %7.2f%%\n", name, check, run, 100.0 * check / run);
        std::fflush(stdout);
    }
    return 0;
}
