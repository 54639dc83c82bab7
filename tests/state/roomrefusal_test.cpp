#include "state/appsettings.h"

#include "install/installscript.h"
#include "platform/linesink.h"
#include "support/fakeenvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

struct RefusalRow
{
    const char *name;
    roomverdict::Verdict verdict;
    bool runs;          // the script host is asked to run the script
    QStringList before; // lines before the SCRIPT line
    QString after;      // the line after it, once the outcome is applied
    QString log;
};

void PrintTo(const RefusalRow &row, std::ostream *out) { *out << row.name; }

class RoomRefusal : public ::testing::TestWithParam<RefusalRow>
{
};

} // namespace

// The room check comes between the plan and the script: a refused run writes
// its SCRIPT line and ends on the failure summary without the script host
// ever being asked (so no password prompt); a file system that could not be
// asked is named on its own line and holds nothing back.
TEST_P(RoomRefusal, ARefusedRunNeverReachesTheScriptHost)
{
    const RefusalRow row = GetParam();
    TempFolder resources;
    resources.writeFile(QStringLiteral("Products/P/P Plug-in/payload"), "x");
    FakeWorld world;
    world.resourceFolder = resources.path();
    world.respond = [](const QString &) { return ScriptOutcome{QStringLiteral("Ok"), std::nullopt}; };
    AppEnvironment environment = world.environment();
    QList<QStringList> checked;
    environment.checkRoom = [&](const Product::InstallTargets &targets, const QStringList &elements) {
        EXPECT_EQ(targets, world.targets);
        checked.append(elements);
        return row.verdict;
    };
    AppSettings settings(environment);
    settings.refreshProducts();
    settings.setCurrentPage(Page::install);

    linesink::Capture output;
    QSignalSpy ended(&settings, &AppSettings::scriptRunEnded);
    settings.installSelectedProducts();
    QCoreApplication::sendPostedEvents();

    EXPECT_EQ(ended.count(), 1) << "a close held during the run must be let go once";
    const QStringList elements{resources(QStringLiteral("Products/P/P Plug-in"))};
    EXPECT_EQ(checked, QList<QStringList>{elements});
    EXPECT_EQ(world.scriptsRun.size(), row.runs ? 1 : 0);
    const QStringList lines = row.before + QStringList{
        QStringLiteral("SCRIPT -- ") + installscript::compose(world.targets, elements), row.after};
    EXPECT_EQ(output.lines(), lines);
    EXPECT_EQ(settings.currentPage(), Page::summary);
    EXPECT_EQ(settings.completedWithErrors(), !row.runs);
    EXPECT_EQ(settings.logDetailsStr(), row.log);
    EXPECT_FALSE(settings.installProgress().has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Verdicts, RoomRefusal,
    ::testing::Values(
        RefusalRow{"fits", {}, true, {}, QStringLiteral("ERROR VALUE Ok"), {}},
        RefusalRow{"uncheckedRunsAnyway",
                   {{}, {QStringLiteral("The room for /User/Lightroom/ was not checked: why.")}},
                   true,
                   {QStringLiteral("Unchecked The room for /User/Lightroom/ was not checked: why.")},
                   QStringLiteral("ERROR VALUE Ok"),
                   {}},
        RefusalRow{"refused",
                   {{QStringLiteral("Not enough room for /Apps/Veltrano/: 2 MB needed on /Apps, 1 MB free.")},
                    {QStringLiteral("The room for /User/Lightroom/ was not checked: why.")}},
                   false,
                   {QStringLiteral("Unchecked The room for /User/Lightroom/ was not checked: why.")},
                   QStringLiteral("ERROR VALUE Nothing was installed. Not enough room for /Apps/Veltrano/: 2 MB "
                                  "needed on /Apps, 1 MB free."),
                   QStringLiteral("Nothing was installed.\nNot enough room for /Apps/Veltrano/: 2 MB needed on /Apps, "
                                  "1 MB free.\nThe room for /User/Lightroom/ was not checked: why.")}),
    [](const auto &info) { return std::string(info.param.name); });

// Products the plan had to leave out stay in the log of a refused run, before
// the reason it did not start.
TEST(RoomRefusal, KeepsThePlanFailuresInTheLog)
{
    TempFolder resources;
    resources.writeFile(QStringLiteral("Products/P/P Plug-in/payload"), "x");
    resources.writeFile(QStringLiteral("Products/Gone/G Plug-in/payload"), "x");
    FakeWorld world;
    world.resourceFolder = resources.path();
    AppEnvironment environment = world.environment();
    environment.checkRoom = [](const Product::InstallTargets &, const QStringList &) {
        return roomverdict::Verdict{{QStringLiteral("Cannot write to /Apps/Veltrano/: /Apps is mounted read-only.")}, {}};
    };
    AppSettings settings(environment);
    settings.refreshProducts();
    ASSERT_TRUE(QDir(resources(QStringLiteral("Products/Gone"))).removeRecursively());
    linesink::Capture output;
    settings.installSelectedProducts();
    EXPECT_TRUE(world.scriptsRun.isEmpty());
    EXPECT_EQ(settings.logDetailsStr(),
              QStringLiteral("cannot list %1: No such file or directory\nNothing was installed.\n"
                             "Cannot write to /Apps/Veltrano/: /Apps is mounted read-only.")
                  .arg(resources(QStringLiteral("Products/Gone"))));
}

// The check of a large product takes seconds; meanwhile the window keeps
// handling timers, as during a script, and a second run cannot start.
TEST(RoomRefusal, NoSecondRunStartsWhileTheCheckRuns)
{
    TempFolder resources;
    resources.writeFile(QStringLiteral("Products/P/P Plug-in/payload"), "x");
    FakeWorld world;
    world.resourceFolder = resources.path();
    AppEnvironment environment = world.environment();
    QSemaphore timerFired;
    int checks = 0;
    environment.checkRoom = [&](const Product::InstallTargets &, const QStringList &) {
        ++checks;
        EXPECT_TRUE(timerFired.tryAcquire(1, 10000)) << "no timer fired during the check";
        return roomverdict::Verdict{};
    };
    AppSettings settings(environment);
    settings.refreshProducts();
    bool runningDuringCheck = false;
    QTimer::singleShot(0, &settings, [&] {
        runningDuringCheck = settings.scriptRunning();
        settings.installSelectedProducts();
        timerFired.release();
    });
    settings.installSelectedProducts();
    EXPECT_TRUE(runningDuringCheck);
    EXPECT_EQ(checks, 1);
    EXPECT_EQ(world.scriptsRun.size(), 1);
    EXPECT_FALSE(settings.scriptRunning());
}
