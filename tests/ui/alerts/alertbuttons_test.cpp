#include "alertfixture.h"

#include "ui/alerts/finderalert.h"

#include <QClipboard>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include <functional>

namespace {

// What the fake world saw while a button's action ran, and the state after.
struct Observed
{
    const FakeWorld &world;
    const AppSettings &settings;
    const AlertView &alerts;
    bool confirmationRaisedWhileInstalling = true;
};

struct ButtonRow
{
    const char *name;
    std::function<void(AppSettings &)> raise;
    const char *button;
    std::function<void(const Observed &)> check;
};

class OverlayButtons : public AlertFixture, public ::testing::WithParamInterface<ButtonRow>
{
};

void onLicense(AppSettings &s)
{
    s.setCurrentPage(Page::license);
    s.setShowLicenseAlert(true);
}

void confirming(AppSettings &s)
{
    s.setCurrentPage(Page::install);
    s.setShowPermanentlyAlert(true);
}

void askingForAccess(AppSettings &s)
{
    s.setCurrentPage(Page::install);
    s.setShowFinderAlert(true);
}

const ButtonRow buttonRows[] = {
    {"readLicense", onLicense, "readLicenseButton",
     [](const Observed &o) {
         EXPECT_FALSE(o.settings.showLicenseAlert());
         EXPECT_FALSE(o.settings.agreeWithTerms());
         EXPECT_EQ(o.settings.currentPage(), Page::license);
         EXPECT_EQ(o.alerts.shownOverlay(), Overlay::none);
         EXPECT_EQ(o.world.terminateCalls, 0);
     }},
    {"disagree", onLicense, "disagreeButton",
     [](const Observed &o) {
         EXPECT_EQ(o.world.terminateCalls, 1);
         EXPECT_FALSE(o.settings.agreeWithTerms());
         EXPECT_EQ(o.settings.currentPage(), Page::license);
     }},
    {"agree", onLicense, "agreeButton",
     [](const Observed &o) {
         EXPECT_TRUE(o.settings.agreeWithTerms());
         EXPECT_EQ(o.settings.currentPage(), Page::products);
         EXPECT_TRUE(o.settings.showLicenseAlert()) << "the alert goes because the license is agreed to";
         EXPECT_EQ(o.alerts.shownOverlay(), Overlay::none);
         EXPECT_EQ(o.world.terminateCalls, 0);
     }},
    {"cancelInstall", confirming, "cancelInstallButton",
     [](const Observed &o) {
         EXPECT_FALSE(o.settings.showPermanentlyAlert());
         EXPECT_EQ(o.settings.currentPage(), Page::install);
         EXPECT_TRUE(o.world.scriptsRun.isEmpty());
         EXPECT_EQ(o.alerts.shownOverlay(), Overlay::none);
     }},
    {"cancelInstallUncoversAccessAlert",
     [](AppSettings &s) {
         confirming(s);
         s.setShowFinderAlert(true);
     },
     "cancelInstallButton",
     [](const Observed &o) { EXPECT_EQ(o.alerts.shownOverlay(), Overlay::finderAccess); }},
    {"install", confirming, "installButton",
     [](const Observed &o) {
         EXPECT_FALSE(o.confirmationRaisedWhileInstalling) << "the flag is cleared before the script runs";
         ASSERT_EQ(o.world.scriptsRun.size(), 1);
         EXPECT_TRUE(o.world.scriptsRun.first().contains(QLatin1String("with administrator privileges")));
         EXPECT_EQ(o.settings.currentPage(), Page::summary) << "the fake script answers Ok";
         EXPECT_FALSE(o.settings.completedWithErrors());
         EXPECT_EQ(o.alerts.shownOverlay(), Overlay::none);
     }},
    {"closeApp", askingForAccess, "closeAppButton",
     [](const Observed &o) {
         EXPECT_EQ(o.world.terminateCalls, 1);
         EXPECT_TRUE(o.settings.showFinderAlert());
     }},
    {"closeLog",
     [](AppSettings &s) {
         s.setCurrentPage(Page::summary);
         s.setShowLogDetailsWindow(true);
     },
     "closeLogButton",
     [](const Observed &o) {
         EXPECT_FALSE(o.settings.showLogDetailsWindow());
         EXPECT_EQ(o.settings.currentPage(), Page::summary);
         EXPECT_EQ(o.alerts.shownOverlay(), Overlay::none);
         EXPECT_EQ(o.world.terminateCalls, 0);
     }},
};

} // namespace

TEST_P(OverlayButtons, ActsOnTheState)
{
    const ButtonRow &row = GetParam();
    // A product with one plain plug-in folder, so an installation has a plan.
    TempFolder bundle;
    bundle.makeFolder(QStringLiteral("Products/Softhaze 3/Softhaze 3 Plug-in"));
    world.resourceFolder = bundle.path();
    settings.refreshProducts();
    bool confirmationRaised = true;
    world.respond = [&](const QString &script) {
        confirmationRaised = settings.showPermanentlyAlert();
        return script.contains(QLatin1String("Finder")) ? ScriptOutcome{QStringLiteral("0"), {}}
                                                        : ScriptOutcome{QStringLiteral("Ok"), {}};
    };
    row.raise(settings);
    settle();
    QPushButton *b = button(row.button);
    ASSERT_TRUE(b) << row.button;
    QTest::mouseClick(b, Qt::LeftButton);
    settle();
    Observed observed{world, settings, *alerts, confirmationRaised};
    row.check(observed);
}

INSTANTIATE_TEST_SUITE_P(Rows, OverlayButtons, ::testing::ValuesIn(buttonRows),
                         [](const ::testing::TestParamInfo<ButtonRow> &info) { return std::string(info.param.name); });

using OpenSettings = AlertFixture;

TEST_F(OpenSettings, OpensTheSettingsAddressAndLeavesTheAlertUp)
{
    QList<QUrl> opened;
    alerts->setUrlOpener([&opened](const QUrl &url) { opened.append(url); });
    askingForAccess(settings);
    settle();
    QPushButton *b = button("openSettingsButton");
    ASSERT_TRUE(b);
    EXPECT_FALSE(b->icon().isNull()) << "the gear";
    QTest::mouseClick(b, Qt::LeftButton);
    settle();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.first(), FinderAlert::settingsUrl());
    EXPECT_EQ(alerts->shownOverlay(), Overlay::finderAccess);
    EXPECT_TRUE(settings.showFinderAlert());
    EXPECT_EQ(world.terminateCalls, 0);
}

TEST_F(OpenSettings, InstallLabelIsBoldBlack)
{
    confirming(settings);
    settle();
    QPushButton *install = button("installButton");
    QPushButton *cancel = button("cancelInstallButton");
    ASSERT_TRUE(install && cancel);
    EXPECT_TRUE(install->font().bold());
    EXPECT_FALSE(cancel->font().bold());
    EXPECT_EQ(install->palette().color(QPalette::Active, QPalette::ButtonText), QColor(Qt::black));
}
