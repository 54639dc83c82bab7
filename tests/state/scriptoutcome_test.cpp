#include "state/appsettings.h"

#include "platform/linesink.h"
#include "support/fakeenvironment.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QThread>

#include <gtest/gtest.h>

namespace {

struct OutcomeRow
{
    const char *name;
    std::optional<QString> error;
    std::optional<QString> result;
    QStringList lines;
    bool failed;
    QString log;
    Page page;
};

void PrintTo(const OutcomeRow &row, std::ostream *os) { *os << row.name; }

class PerformScript : public ::testing::TestWithParam<OutcomeRow>
{
};

const QString previousLog = QStringLiteral("earlier text");

} // namespace

TEST_P(PerformScript, AppliesTheOutcomeOnTheMainThreadAfterReturning)
{
    const OutcomeRow row = GetParam();
    FakeWorld world;
    QThread *scriptThread = nullptr;
    world.respond = [&](const QString &) {
        scriptThread = QThread::currentThread();
        return ScriptOutcome{row.result, row.error};
    };
    AppSettings settings(world.environment());
    settings.setCurrentPage(Page::install);
    settings.setLogDetailsStr(previousLog);

    linesink::Capture output;
    settings.performScript(QStringLiteral("the script"));
    EXPECT_EQ(world.scriptsRun, QStringList{QStringLiteral("the script")});
    EXPECT_NE(scriptThread, QThread::currentThread());
    EXPECT_EQ(settings.currentPage(), Page::install) << "the outcome waits for the event loop";

    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(output.lines(), row.lines);
    EXPECT_EQ(settings.completedWithErrors(), row.failed);
    EXPECT_EQ(settings.logDetailsStr(), row.log);
    EXPECT_EQ(settings.currentPage(), row.page);
}

INSTANTIATE_TEST_SUITE_P(
    OutcomeTable, PerformScript,
    ::testing::Values(
        OutcomeRow{"ok", std::nullopt, QStringLiteral("Ok"), {QStringLiteral("ERROR VALUE Ok")}, false, previousLog,
                   Page::summary},
        OutcomeRow{"canceled", std::nullopt, QStringLiteral("User canceled."), {}, false, previousLog, Page::install},
        OutcomeRow{"message", std::nullopt, QStringLiteral("cp: /x: Permission denied"),
                   {QStringLiteral("ERROR VALUE cp: /x: Permission denied")}, true,
                   QStringLiteral("cp: /x: Permission denied"), Page::summary},
        OutcomeRow{"case matters", std::nullopt, QStringLiteral("OK"), {QStringLiteral("ERROR VALUE OK")}, true,
                   QStringLiteral("OK"), Page::summary},
        OutcomeRow{"error only", QStringLiteral("Expected end of line (line 2, column 5)."), std::nullopt,
                   {QStringLiteral("Error: Expected end of line (line 2, column 5).")}, true, previousLog,
                   Page::install},
        OutcomeRow{"error and text", QStringLiteral("partial"), QStringLiteral("Ok"),
                   {QStringLiteral("Error: partial"), QStringLiteral("ERROR VALUE Ok")}, true, previousLog,
                   Page::summary},
        OutcomeRow{"nothing", std::nullopt, std::nullopt, {}, false, previousLog, Page::install}),
    [](const auto &info) {
        std::string name = info.param.name;
        for (char &c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

TEST(PerformScript, LogTextIsStoredAfterTheFailureFlagIsAnnounced)
{
    FakeWorld world;
    world.respond = [](const QString &) { return ScriptOutcome{QStringLiteral("disk full"), std::nullopt}; };
    AppSettings settings(world.environment());
    QStringList logAtEachAnnouncement;
    QObject::connect(&settings, &AppSettings::objectWillChange,
                     [&] { logAtEachAnnouncement.append(settings.logDetailsStr()); });
    linesink::Capture output;
    settings.performScript(QStringLiteral("script"));
    QCoreApplication::sendPostedEvents();
    // completedWithErrors, then currentPage: only the second sees the new text.
    EXPECT_EQ(logAtEachAnnouncement, (QStringList{QString(), QStringLiteral("disk full")}));
}

TEST(CheckAccess, ProbeAnswersDecideAccessAndTheAlert)
{
    const struct
    {
        QString answer;
        FinderAccess access;
        bool alert;
        bool installs;
    } rows[] = {
        {QStringLiteral("1"), FinderAccess::allowed, false, true},
        {QStringLiteral("0"), FinderAccess::denied, true, false},
        {QStringLiteral("-1"), FinderAccess::unknown, true, false},
        {QStringLiteral("2"), FinderAccess::unknown, true, false},
        {QStringLiteral(" 1"), FinderAccess::unknown, true, false},
    };
    for (const auto &row : rows) {
        FakeWorld world;
        world.respond = [&](const QString &script) {
            return ScriptOutcome{script.contains(u"Finder") ? row.answer : QStringLiteral("Ok"), std::nullopt};
        };
        AppSettings settings(world.environment());
        settings.setCurrentPage(Page::install);
        settings.setShowFinderAlert(!row.alert);
        linesink::Capture output;
        settings.checkAccess();
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(settings.accessType(), row.access) << row.answer.toStdString();
        EXPECT_EQ(settings.showFinderAlert(), row.alert) << row.answer.toStdString();
        EXPECT_EQ(world.scriptsRun.size(), row.installs ? 2 : 1) << row.answer.toStdString();
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(settings.currentPage(), row.installs ? Page::summary : Page::install);
    }
}

TEST(CheckAccess, AFailedProbeForgetsAccessButKeepsTheAlert)
{
    FakeWorld world;
    world.respond = [](const QString &) { return ScriptOutcome{std::nullopt, QStringLiteral("no host")}; };
    AppSettings settings(world.environment());
    settings.setAccessType(FinderAccess::denied);
    settings.setShowFinderAlert(true);
    linesink::Capture output;
    settings.checkAccess();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(settings.accessType(), FinderAccess::unknown);
    EXPECT_TRUE(settings.showFinderAlert());
    EXPECT_EQ(output.lines(), QStringList{QStringLiteral("Error: no host")});
}

TEST(InstallSelectedProducts, EchoesTheComposedScriptAndRunsIt)
{
    TempFolder bundle;
    bundle.makeFolder(QStringLiteral("Products/Softhaze 4/Softhaze 4 Plug-in"));
    bundle.makeFolder(QStringLiteral("Products/Unselected/Other"));
    FakeWorld world;
    world.resourceFolder = bundle.path();
    world.respond = [](const QString &) { return ScriptOutcome{QStringLiteral("Ok"), std::nullopt}; };
    AppSettings settings(world.environment());
    settings.refreshProducts();
    settings.setProducts({{bundle("Products/Softhaze 4"), true}, {bundle("Products/Unselected"), false}});
    settings.setCurrentPage(Page::install);

    linesink::Capture output;
    settings.installSelectedProducts();
    ASSERT_EQ(world.scriptsRun.size(), 1);
    const QString &script = world.scriptsRun.front();
    EXPECT_TRUE(script.contains(bundle("Products/Softhaze 4/Softhaze 4 Plug-in")));
    EXPECT_FALSE(script.contains(u"Unselected"));
    EXPECT_TRUE(script.contains(world.targets.appSuppVeltrano));
    EXPECT_EQ(output.lines(), QStringList{QStringLiteral("SCRIPT -- ") + script});

    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(settings.currentPage(), Page::summary);
    EXPECT_FALSE(settings.completedWithErrors());
}
