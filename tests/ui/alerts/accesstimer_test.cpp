#include "alertfixture.h"

#include <QTest>

#include <vector>

using namespace std::chrono_literals;

namespace {

// The access alert over the install page, with a probe that records when it
// ran and answers what `answer` says. Time moves only by advance().
class AccessTimerTest : public AlertFixture
{
protected:
    // A ticker on the test's own time.
    struct HandTicker final : Ticker
    {
        HandTicker(std::vector<HandTicker *> &all, std::chrono::milliseconds due, std::chrono::milliseconds interval,
                   Tick tick)
            : all(all), due(due), interval(interval), tick(std::move(tick))
        {
            all.push_back(this);
        }
        ~HandTicker() override { std::erase(all, this); }
        void stop() override { running = false; }
        bool isActive() const override { return running; }

        std::vector<HandTicker *> &all;
        std::chrono::milliseconds due, interval;
        Tick tick;
        bool running = true;
    };

    AccessTimerTest()
    {
        world.respond = [this](const QString &script) {
            if (script.contains(QLatin1String("Finder")))
                probes.push_back(now.count());
            else
                ++installs;
            return ScriptOutcome{answer, {}};
        };
        alerts->setTickerMaker([this](std::chrono::milliseconds interval, Ticker::Tick tick) {
            return std::make_unique<HandTicker>(tickers, now + interval, interval, std::move(tick));
        });
    }

    // The alert's tickers go with the window, before the time they run on.
    ~AccessTimerTest() override { window.reset(); }

    void showAlert()
    {
        settings.setCurrentPage(Page::install);
        settings.setShowFinderAlert(true);
        settle();
        ASSERT_EQ(alerts->shownOverlay(), Overlay::finderAccess);
    }

    // Every tick on the way, earliest first, each followed by the turns of
    // the event loop that would come before the next one.
    void advance(std::chrono::milliseconds by)
    {
        const auto end = now + by;
        for (;;) {
            HandTicker *next = nullptr;
            for (HandTicker *ticker : tickers)
                if (ticker->running && ticker->due <= end && (!next || ticker->due < next->due))
                    next = ticker;
            if (!next)
                break;
            now = next->due;
            next->due += next->interval;
            next->tick();
            settle();
        }
        now = end;
    }

    std::chrono::milliseconds now{0};
    std::vector<HandTicker *> tickers;
    std::vector<qint64> probes;
    int installs = 0;
    QString answer = QStringLiteral("0");
};

} // namespace

TEST_F(AccessTimerTest, ProbesOnceASecondWhileAccessIsDenied)
{
    showAlert();
    advance(999ms);
    EXPECT_TRUE(probes.empty()) << "the first tick comes a second after the alert shows";
    advance(2501ms);
    EXPECT_EQ(probes, (std::vector<qint64>{1000, 2000, 3000}));
    EXPECT_EQ(settings.accessType(), FinderAccess::denied);
    EXPECT_TRUE(settings.showFinderAlert());
    EXPECT_EQ(installs, 0);
    EXPECT_EQ(alerts->shownOverlay(), Overlay::finderAccess);
}

TEST_F(AccessTimerTest, OtherChangesDoNotRestartTheSecond)
{
    showAlert();
    // Announcements in between: a timer restarted by each evaluation would
    // never reach its first tick.
    for (int i = 0; i < 5; ++i) {
        advance(400ms);
        settings.setAgreeWithTerms(i % 2 == 0);
        settle();
    }
    EXPECT_EQ(probes, (std::vector<qint64>{1000, 2000}));
}

TEST_F(AccessTimerTest, StopsWithoutProbingOnceAccessIsAllowed)
{
    showAlert();
    advance(1000ms);
    ASSERT_EQ(probes.size(), 1u);
    // Allowed, while the alert is still up.
    settings.setAccessType(FinderAccess::allowed);
    advance(2300ms);
    EXPECT_EQ(probes.size(), 1u) << "no probe once access is allowed";
    EXPECT_EQ(alerts->shownOverlay(), Overlay::finderAccess);
    ASSERT_EQ(tickers.size(), 1u);
    EXPECT_FALSE(tickers.front()->isActive());
}

TEST_F(AccessTimerTest, NoTickAfterTheAlertHasGone)
{
    showAlert();
    advance(1000ms);
    settings.setShowFinderAlert(false);
    settle();
    ASSERT_EQ(alerts->shownOverlay(), Overlay::none);
    EXPECT_TRUE(tickers.empty());
    advance(2300ms);
    EXPECT_EQ(probes.size(), 1u);
}

TEST_F(AccessTimerTest, AnAllowedAnswerInstallsAndClosesTheAlert)
{
    answer = QStringLiteral("1");
    TempFolder bundle;
    bundle.makeFolder(QStringLiteral("Products/Softhaze 3/Softhaze 3 Plug-in"));
    world.resourceFolder = bundle.path();
    settings.refreshProducts();
    showAlert();
    advance(1000ms);
    ASSERT_EQ(probes.size(), 1u);
    // The probe's outcome starts the install, whose own outcome comes a turn
    // later still; how many turns that takes depends on the machine's load.
    EXPECT_TRUE(QTest::qWaitFor([&] { return alerts->shownOverlay() == Overlay::none; }, 30000));
    EXPECT_EQ(installs, 1);
    EXPECT_FALSE(settings.showFinderAlert());
    advance(1300ms);
    EXPECT_EQ(probes.size(), 1u);
}

TEST_F(AccessTimerTest, AlertLeavingItsPageEndsTheTicks)
{
    showAlert();
    settings.setCurrentPage(Page::summary);
    settle();
    advance(1500ms);
    EXPECT_TRUE(probes.empty());
    EXPECT_TRUE(settings.showFinderAlert()) << "the flag keeps its value off its page";
}
