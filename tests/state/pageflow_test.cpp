#include "state/appsettings.h"

#include "support/fakeenvironment.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

struct FlowRow
{
    Page page;
    bool agreed;
    Page expectedPage;
    bool expectLicenseAlert;
    bool expectConfirmation;
    int expectTerminate;
};

class NextAction : public ::testing::TestWithParam<FlowRow>
{
};

} // namespace

TEST_P(NextAction, FollowsThePageTable)
{
    const FlowRow row = GetParam();
    FakeWorld world;
    AppSettings settings(world.environment());
    settings.setProducts({{QStringLiteral("/p/A"), false}});
    settings.setCurrentPage(row.page);
    settings.setAgreeWithTerms(row.agreed);

    QSignalSpy spy(&settings, &AppSettings::objectWillChange);
    settings.nextAction();

    EXPECT_EQ(settings.currentPage(), row.expectedPage);
    EXPECT_EQ(settings.showLicenseAlert(), row.expectLicenseAlert);
    EXPECT_EQ(settings.showPermanentlyAlert(), row.expectConfirmation);
    EXPECT_EQ(world.terminateCalls, row.expectTerminate);
    EXPECT_EQ(settings.products().at(QStringLiteral("/p/A")), false) << "nextAction never touches products";
    EXPECT_EQ(settings.accessType(), FinderAccess::unknown);
    EXPECT_TRUE(world.scriptsRun.isEmpty()) << "nextAction never installs or probes";
    EXPECT_EQ(spy.count(), row.expectTerminate ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(PageTable, NextAction,
                         ::testing::Values(FlowRow{Page::intro, false, Page::license, false, false, 0},
                                           FlowRow{Page::license, true, Page::products, false, false, 0},
                                           FlowRow{Page::license, false, Page::license, true, false, 0},
                                           FlowRow{Page::products, false, Page::install, false, false, 0},
                                           FlowRow{Page::install, true, Page::install, false, true, 0},
                                           FlowRow{Page::summary, true, Page::summary, false, false, 1}));

TEST(PageFlow, ThreeStepsWithoutAgreeingStopAtTheLicenseAlert)
{
    AppSettings settings(fakeEnvironment());
    for (int i = 0; i < 3; ++i)
        settings.nextAction();
    EXPECT_EQ(settings.currentPage(), Page::license);
    EXPECT_TRUE(settings.showLicenseAlert());
}

TEST(PageFlow, AgreeingMovesOnAndLeavesTheAlertFlagAlone)
{
    AppSettings settings(fakeEnvironment());
    settings.setCurrentPage(Page::license);
    settings.setShowLicenseAlert(true);
    settings.agreeWithLicense();
    EXPECT_TRUE(settings.agreeWithTerms());
    EXPECT_EQ(settings.currentPage(), Page::products);
    EXPECT_TRUE(settings.showLicenseAlert());

    settings.setCurrentPage(Page::summary);
    settings.agreeWithLicense();
    EXPECT_EQ(settings.currentPage(), Page::summary);
}

TEST(Selection, SelectAllSetsEveryFlagInOneAnnouncement)
{
    AppSettings settings(fakeEnvironment());
    settings.setProducts({{QStringLiteral("/p/A"), false}, {QStringLiteral("/p/B"), true}});
    QSignalSpy spy(&settings, &AppSettings::objectWillChange);
    settings.selectAll();
    const ProductMap all{{QStringLiteral("/p/A"), true}, {QStringLiteral("/p/B"), true}};
    EXPECT_EQ(settings.products(), all);
    settings.selectAll();
    EXPECT_EQ(settings.products(), all);
    EXPECT_EQ(spy.count(), 2);

    settings.setProducts({});
    settings.selectAll();
    EXPECT_TRUE(settings.products().empty());
}

TEST(Selection, SelectedExistNeedsOneTrueFlag)
{
    const struct
    {
        ProductMap products;
        bool expected;
    } rows[] = {
        {{}, false},
        {{{QStringLiteral("/p/A"), false}}, false},
        {{{QStringLiteral("/p/A"), false}, {QStringLiteral("/p/B"), true}}, true},
    };
    for (const auto &row : rows) {
        AppSettings settings(fakeEnvironment());
        settings.setProducts(row.products);
        EXPECT_EQ(settings.selectedExist(), row.expected);
    }
}
