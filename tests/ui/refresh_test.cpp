#include "uitest.h"

#include "ui/coalescedrefresh.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

TEST(CoalescedRefresh, RunsOnceOnTheNextTurnHoweverOftenItIsAsked)
{
    int runs = 0;
    CoalescedRefresh refresh([&runs] { ++runs; });
    refresh.schedule();
    refresh.schedule();
    refresh.schedule();
    EXPECT_EQ(runs, 0);
    settle();
    EXPECT_EQ(runs, 1);
    refresh.schedule();
    settle();
    EXPECT_EQ(runs, 2);
}

TEST(CoalescedRefresh, APendingRefreshOfADestroyedViewIsDropped)
{
    int runs = 0;
    {
        CoalescedRefresh refresh([&runs] { ++runs; });
        refresh.schedule();
    }
    settle();
    EXPECT_EQ(runs, 0);
}

// The state announces before it stores; the window must show the stored
// value, not the one it had during the announcement.
TEST(ContentView, ShowsTheValueStoredAfterTheAnnouncement)
{
    WindowUnderTest window;
    auto *title = window.named<QLabel>(QStringLiteral("pageTitle"));
    auto *next = window.named<QPushButton>(QStringLiteral("nextButton"));
    window.settings->setCurrentPage(Page::summary);
    settle();
    EXPECT_TRUE(title->text().isEmpty());
    EXPECT_EQ(next->text(), QStringLiteral("Close"));

    // Several stores in one turn end on the last one.
    window.settings->setCurrentPage(Page::products);
    window.settings->setProducts({});
    window.settings->setCurrentPage(Page::intro);
    settle();
    EXPECT_EQ(title->text(), QStringLiteral("Welcome to the Veltrano Plugin Installer"));
    EXPECT_EQ(next->text(), QStringLiteral("Next"));
    EXPECT_TRUE(next->isEnabled());
}

TEST(ContentView, TheAlertLayerCoversTheWholeWindowAboveEverythingElse)
{
    WindowUnderTest window;
    QWidget *alerts = window.named(QStringLiteral("alertView"));
    ASSERT_NE(alerts, nullptr);
    for (const QSize size : {QSize(648, 405), QSize(1000, 700)}) {
        window.view->resize(size);
        settle();
        EXPECT_EQ(alerts->geometry(), window.view->rect());
        EXPECT_EQ(window.view->children().constLast(), alerts);
    }
    // New page content does not rise above it.
    window.goTo(Page::license);
    EXPECT_EQ(window.view->children().constLast(), alerts);
}

TEST(ContentView, NeverShrinksBelowItsMinimumAndPrefersIt)
{
    WindowUnderTest window;
    EXPECT_EQ(window.view->sizeHint(), QSize(648, 405));
    EXPECT_EQ(window.view->minimumSize(), QSize(648, 405));
    window.view->resize(300, 200);
    settle();
    EXPECT_EQ(window.view->size(), QSize(648, 405));
    window.view->resize(900, 600);
    settle();
    EXPECT_EQ(window.view->size(), QSize(900, 600));
}
