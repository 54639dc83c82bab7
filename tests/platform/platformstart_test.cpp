#include "platform/platformstart.h"

#include <gtest/gtest.h>

using platformstart::explain;
using platformstart::fallbackLine;
using platformstart::lastPlatform;

namespace {

struct LastRow
{
    const char *choice;
    const char *platform;
};

class LastPlatform : public ::testing::TestWithParam<LastRow>
{
};

TEST_P(LastPlatform, IsTheLastTriedWithoutOptions)
{
    EXPECT_EQ(lastPlatform(QString::fromUtf8(GetParam().choice)), QString::fromUtf8(GetParam().platform));
}

INSTANTIATE_TEST_SUITE_P(Choices, LastPlatform,
                         ::testing::Values(LastRow{"", "xcb"}, LastRow{"xcb", "xcb"}, LastRow{"wayland;xcb", "xcb"},
                                           LastRow{"wayland", "wayland"}, LastRow{"xcb;wayland;", "wayland"},
                                           LastRow{"vnc:size=800x600", "vnc"}, LastRow{";;", "xcb"}));

TEST(Explain, NamesTheLibraryThePluginLacks)
{
    const QString line = explain(QStringLiteral("xcb"),
                                 {QStringLiteral("Could not load the Qt platform plugin \"xcb\" in \"\" even though it was found.")},
                                 QStringLiteral("libxcb-xkb.so.1: cannot open shared object file: No such file or directory"));
    EXPECT_EQ(line, QStringLiteral("cannot open its window on X11: libxcb-xkb.so.1: cannot open shared object file: "
                                   "No such file or directory"));
}

TEST(Explain, NamesTheDisplayNoServerAnswersAt)
{
    const QString line = explain(QStringLiteral("xcb"),
                                 {QStringLiteral("could not connect to display :42"),
                                  QStringLiteral("Could not load the Qt platform plugin \"xcb\" in \"\" even though it was found.")},
                                 {});
    EXPECT_EQ(line, QStringLiteral("cannot open its window on X11: no X server answers at DISPLAY=:42"));
}

TEST(Explain, SaysSoWhenNoDisplayIsNamed)
{
    const QString line = explain(QStringLiteral("xcb"), {QStringLiteral("could not connect to display ")}, {});
    EXPECT_EQ(line, QStringLiteral("cannot open its window on X11: neither DISPLAY nor WAYLAND_DISPLAY names a desktop"));
}

TEST(Explain, NeverRepeatsTheAdviceToReinstall)
{
    const QString line = explain(QStringLiteral("wayland"),
                                 {QStringLiteral("This application failed to start because no Qt platform plugin could be "
                                                 "initialized. Reinstalling the application may fix this problem."),
                                  QStringLiteral("Available platform plugins are: wayland, xcb."),
                                  QStringLiteral("Failed to create wl_display (No such file or directory)")},
                                 {});
    EXPECT_EQ(line, QStringLiteral("cannot open its window on Wayland: Failed to create wl_display (No such file or directory)"));
}

TEST(Explain, SaysWhichPluginWhenQtGaveNoCause)
{
    EXPECT_EQ(explain(QStringLiteral("eglfs"), {}, {}),
              QStringLiteral("cannot open its window on eglfs: the platform plugin \"eglfs\" did not start"));
}

TEST(FallbackLine, OneLineWithTheFirstReasonWhenWaylandGaveWay)
{
    const auto line = fallbackLine(QStringLiteral("wayland;xcb"), QStringLiteral("xcb"),
                                   {QStringLiteral("Failed to create wl_display (No such file or directory)"),
                                    QStringLiteral("Could not load the Qt platform plugin \"wayland\" in \"\" even though it was found.")});
    ASSERT_TRUE(line);
    EXPECT_EQ(*line, QStringLiteral("Wayland did not start (Failed to create wl_display (No such file or directory)); using X11."));
    EXPECT_FALSE(line->contains(QLatin1Char('\n')));
}

TEST(FallbackLine, NothingWhenTheFirstChoiceStarted)
{
    EXPECT_FALSE(fallbackLine(QStringLiteral("wayland;xcb"), QStringLiteral("wayland"), {QStringLiteral("a warning")}));
    EXPECT_FALSE(fallbackLine(QStringLiteral("xcb"), QStringLiteral("xcb"), {}));
    EXPECT_FALSE(fallbackLine(QString(), QStringLiteral("xcb"), {}));
}

} // namespace
