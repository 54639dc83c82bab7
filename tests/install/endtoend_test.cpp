#include "installworld.h"

#include "platform/linesink.h"

#include <gtest/gtest.h>

TEST(EndToEnd, InstallsTheSampleProductsExactlyAndAgainToTheSameTree)
{
    InstallWorld world;
    AppSettings settings(world.environment());
    settings.refreshProducts();
    settings.setCurrentPage(Page::install);
    ASSERT_EQ(settings.elementsToCopy().size(), 4);
    const Tree expected = expectedSampleTree(world.resourceFolder, world.root.path(), QStringLiteral("xdg"));

    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE(run);
        linesink::Capture output;
        settings.installSelectedProducts();
        applyOutcome();
        EXPECT_EQ(render(treeOf(world.root.path())), render(expected));
        ASSERT_EQ(output.lines().size(), 2);
        EXPECT_TRUE(output.lines().at(0).startsWith(QStringLiteral("SCRIPT -- try\n")));
        EXPECT_EQ(output.lines().at(1), QStringLiteral("ERROR VALUE Ok"));
        EXPECT_EQ(settings.currentPage(), Page::summary);
        EXPECT_FALSE(settings.completedWithErrors());
        settings.setCurrentPage(Page::install);
    }
}

TEST(EndToEnd, TheProbeAllowsAccessAndStartsTheInstallation)
{
    InstallWorld world;
    AppSettings settings(world.environment());
    settings.refreshProducts();
    settings.setCurrentPage(Page::install);
    linesink::Capture output;
    settings.checkAccess();
    applyOutcome();
    EXPECT_EQ(settings.accessType(), FinderAccess::allowed);
    EXPECT_FALSE(settings.showFinderAlert());
    EXPECT_EQ(settings.currentPage(), Page::summary);
    EXPECT_EQ(output.lines().value(1), QStringLiteral("ERROR VALUE Ok"));
    EXPECT_TRUE(QFileInfo(world.userData() + QStringLiteral("/Adobe/Lightroom/Modules/softhaze4.lrdevplugin")).isSymLink());
}
