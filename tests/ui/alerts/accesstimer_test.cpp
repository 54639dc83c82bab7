#include "alertfixture.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <vector>

namespace {

// The access alert over the install page, with a probe that records when it
// ran and answers what `answer` says.
class AccessTimerTest : public AlertFixture
{
protected:
    AccessTimerTest()
    {
        world.respond = [this](const QString &script) {
            if (script.contains(QLatin1String("Finder")))
                probes.push_back(clock.elapsed());
            else
                ++installs;
            return ScriptOutcome{answer, {}};
        };
    }

    void showAlert()
    {
        settings.setCurrentPage(Page::install);
        settings.setShowFinderAlert(true);
        clock.start();
        settle();
        ASSERT_EQ(alerts->shownOverlay(), Overlay::finderAccess);
    }

    bool waitForProbes(std::size_t count, int timeoutMs = 5000)
    {
        return QTest::qWaitFor([&] { return probes.size() >= count; }, timeoutMs);
    }

    QElapsedTimer clock;
    std::vector<qint64> probes;
    int installs = 0;
    QString answer = QStringLiteral("0");
};

} // namespace

TEST_F(AccessTimerTest, ProbesOnceASecondWhileAccessIsDenied)
{
    showAlert();
    ASSERT_TRUE(waitForProbes(3));
    // The first tick comes a second after the alert shows, the others a
    // second apart; the bounds leave room for a busy machine.
    EXPECT_GE(probes[0], 950);
    EXPECT_LE(probes[0], 2000);
    for (std::size_t i = 1; i < probes.size(); ++i) {
        EXPECT_GE(probes[i] - probes[i - 1], 900) << "tick " << i;
        EXPECT_LE(probes[i] - probes[i - 1], 2000) << "tick " << i;
    }
    EXPECT_EQ(settings.accessType(), FinderAccess::denied);
    EXPECT_TRUE(settings.showFinderAlert());
    EXPECT_EQ(installs, 0);
    EXPECT_EQ(alerts->shownOverlay(), Overlay::finderAccess);
}

TEST_F(AccessTimerTest, OtherChangesDoNotRestartTheSecond)
{
    showAlert();
    // An announcement every 400 ms: a timer restarted by each evaluation
    // would never reach its first tick.
    QTimer noise;
    QObject::connect(&noise, &QTimer::timeout, &settings, [this] { settings.setAgreeWithTerms(true); });
    noise.start(400);
    EXPECT_TRUE(waitForProbes(2, 4000));
}

TEST_F(AccessTimerTest, StopsWithoutProbingOnceAccessIsAllowed)
{
    showAlert();
    ASSERT_TRUE(waitForProbes(1));
    settle(); // the probe's own outcome arrives one turn later
    // Allowed, while the alert is still up.
    settings.setAccessType(FinderAccess::allowed);
    const std::size_t before = probes.size();
    QTest::qWait(2300);
    EXPECT_EQ(probes.size(), before) << "no probe once access is allowed";
    EXPECT_EQ(alerts->shownOverlay(), Overlay::finderAccess);
    auto *timer = alerts->findChild<QTimer *>(QStringLiteral("accessTimer"));
    ASSERT_TRUE(timer);
    EXPECT_FALSE(timer->isActive());
}

TEST_F(AccessTimerTest, NoTickAfterTheAlertHasGone)
{
    showAlert();
    ASSERT_TRUE(waitForProbes(1));
    settle();
    settings.setShowFinderAlert(false);
    settle();
    ASSERT_EQ(alerts->shownOverlay(), Overlay::none);
    EXPECT_EQ(alerts->findChild<QTimer *>(QStringLiteral("accessTimer")), nullptr);
    const std::size_t before = probes.size();
    QTest::qWait(2300);
    EXPECT_EQ(probes.size(), before);
}

TEST_F(AccessTimerTest, AnAllowedAnswerInstallsAndClosesTheAlert)
{
    answer = QStringLiteral("1");
    TempFolder bundle;
    bundle.makeFolder(QStringLiteral("Products/Softhaze 3/Softhaze 3 Plug-in"));
    world.resourceFolder = bundle.path();
    settings.refreshProducts();
    showAlert();
    ASSERT_TRUE(waitForProbes(1));
    // The probe's outcome starts the install, whose own outcome comes a turn
    // later still; how many turns that takes depends on the machine's load.
    EXPECT_TRUE(QTest::qWaitFor([&] { return alerts->shownOverlay() == Overlay::none; }, 5000));
    EXPECT_EQ(installs, 1);
    EXPECT_FALSE(settings.showFinderAlert());
    QTest::qWait(1300);
    EXPECT_EQ(probes.size(), 1u);
}

TEST_F(AccessTimerTest, AlertLeavingItsPageEndsTheTicks)
{
    showAlert();
    settings.setCurrentPage(Page::summary);
    settle();
    QTest::qWait(1500);
    EXPECT_TRUE(probes.empty());
    EXPECT_TRUE(settings.showFinderAlert()) << "the flag keeps its value off its page";
}
