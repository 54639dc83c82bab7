#include "uitest.h"

#include "ui/readabletext.h"

#include "platform/linesink.h"
#include "ui/productrow.h"
#include "ui/symbolview.h"
#include "ui/textwithattributedstring.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

QString titleOf(const WindowUnderTest &window) { return window.named<QLabel>(QStringLiteral("pageTitle"))->text(); }

// Walks from the welcome page to the install page the way a user does; the
// license is agreed through the state until its alert can be clicked.
void walkToInstallPage(WindowUnderTest &window)
{
    ASSERT_EQ(window.settings->currentPage(), Page::intro);
    window.clickNamed(QStringLiteral("nextButton"));
    ASSERT_EQ(window.settings->currentPage(), Page::license);
    EXPECT_EQ(titleOf(window), QStringLiteral("Software License Agreement"));
    EXPECT_EQ(window.view->findChildren<TextWithAttributedString *>().size(), 1);

    // Next without agreeing keeps the license page and raises the alert.
    window.clickNamed(QStringLiteral("nextButton"));
    EXPECT_EQ(window.settings->currentPage(), Page::license);
    EXPECT_TRUE(window.settings->showLicenseAlert());

    window.settings->agreeWithLicense();
    settle();
    ASSERT_EQ(window.settings->currentPage(), Page::products);
    EXPECT_EQ(titleOf(window), QStringLiteral("Select Products to install"));
    EXPECT_TRUE(window.view->findChildren<TextWithAttributedString *>().isEmpty());

    auto *next = window.named<QPushButton>(QStringLiteral("nextButton"));
    auto *softhaze3 = window.named<ProductRow>(QStringLiteral("productRow:Softhaze 3"));
    auto *softhaze4 = window.named<ProductRow>(QStringLiteral("productRow:Softhaze 4"));
    ASSERT_TRUE(softhaze3 && softhaze4);

    // Clearing both disables Next; Select All brings both back.
    window.click(softhaze3, softhaze3->checkBoxRect().center());
    window.click(softhaze4, softhaze4->nameRect().center());
    EXPECT_FALSE(softhaze3->isSelected());
    EXPECT_FALSE(softhaze4->isSelected());
    EXPECT_FALSE(next->isEnabled());
    window.clickNamed(QStringLiteral("nextButton"));
    EXPECT_EQ(window.settings->currentPage(), Page::products);

    window.clickNamed(QStringLiteral("selectAllButton"));
    EXPECT_TRUE(softhaze3->isSelected());
    EXPECT_TRUE(softhaze4->isSelected());
    EXPECT_TRUE(next->isEnabled());

    // Install only Softhaze 4.
    window.click(softhaze3, softhaze3->checkBoxRect().center());
    window.clickNamed(QStringLiteral("nextButton"));
    ASSERT_EQ(window.settings->currentPage(), Page::install);
    EXPECT_EQ(titleOf(window), QStringLiteral("The following Products will be installed"));
    EXPECT_EQ(window.named(QStringLiteral("selectedProduct:Softhaze 3")), nullptr);
    EXPECT_NE(window.named(QStringLiteral("selectedProduct:Softhaze 4")), nullptr);

    window.clickNamed(QStringLiteral("nextButton"));
    EXPECT_EQ(window.settings->currentPage(), Page::install);
    EXPECT_TRUE(window.settings->showPermanentlyAlert());
}

// What the install confirmation's "Install" does, until it can be clicked.
void confirmInstall(WindowUnderTest &window)
{
    window.settings->setShowPermanentlyAlert(false);
    const linesink::Capture quiet;
    window.settings->installSelectedProducts();
    settle();
}

} // namespace

TEST(WizardFlow, ASuccessfulRunEndsOnTheSuccessSummaryAndCloseQuits)
{
    WindowUnderTest window;
    window.world.respond = [](const QString &) { return ScriptOutcome{QStringLiteral("Ok"), std::nullopt}; };
    walkToInstallPage(window);
    confirmInstall(window);

    ASSERT_EQ(window.world.scriptsRun.size(), 1);
    EXPECT_TRUE(window.world.scriptsRun[0].contains(QStringLiteral("Softhaze 4")));
    EXPECT_FALSE(window.world.scriptsRun[0].contains(QStringLiteral("Softhaze 3")));
    ASSERT_EQ(window.settings->currentPage(), Page::summary);
    EXPECT_TRUE(titleOf(window).isEmpty());
    auto *icon = window.named<SymbolView>(QStringLiteral("summaryIcon"));
    EXPECT_EQ(icon->symbol(), Symbol::checkmarkCircle);
    EXPECT_EQ(window.named<ReadableText>(QStringLiteral("summaryMessage"))->text(),
              QStringLiteral("You have been successfully installed selected products."));
    EXPECT_FALSE(window.named(QStringLiteral("detailsLink"))->isVisible());

    auto *close = window.named<QPushButton>(QStringLiteral("nextButton"));
    EXPECT_EQ(close->text(), QStringLiteral("Close"));
    EXPECT_FALSE(window.named(QStringLiteral("goBackButton"))->isEnabled());
    window.click(close);
    EXPECT_EQ(window.world.terminateCalls, 1);
}

TEST(WizardFlow, AFailedRunShowsTheFailureAndDetailsFlipsTheLogFlag)
{
    WindowUnderTest window;
    window.world.respond = [](const QString &) {
        return ScriptOutcome{QStringLiteral("mkdir: /opt/Veltrano: Permission denied"), std::nullopt};
    };
    walkToInstallPage(window);
    confirmInstall(window);

    ASSERT_EQ(window.settings->currentPage(), Page::summary);
    EXPECT_EQ(window.named<SymbolView>(QStringLiteral("summaryIcon"))->symbol(), Symbol::exclamationmarkCircle);
    EXPECT_EQ(window.named<ReadableText>(QStringLiteral("summaryMessage"))->text(),
              QStringLiteral("The installation was not completed successfully."));
    auto *details = window.named<QAbstractButton>(QStringLiteral("detailsLink"));
    ASSERT_TRUE(details->isVisible());
    EXPECT_EQ(details->text(), QStringLiteral("Details"));

    QSignalSpy announcements(window.settings.get(), &AppSettings::objectWillChange);
    window.click(details);
    EXPECT_TRUE(window.settings->showLogDetailsWindow());
    // The link lies under the log window now; the window's Close flips the
    // flag back.
    window.click(details);
    EXPECT_TRUE(window.settings->showLogDetailsWindow());
    window.clickNamed(QStringLiteral("closeLogButton"));
    EXPECT_FALSE(window.settings->showLogDetailsWindow());
    EXPECT_EQ(announcements.count(), 2);
    EXPECT_EQ(window.world.terminateCalls, 0);
}

TEST(WizardFlow, ADismissedPasswordPromptStaysOnTheInstallPage)
{
    WindowUnderTest window;
    window.world.respond = [](const QString &) { return ScriptOutcome{QStringLiteral("User canceled."), std::nullopt}; };
    walkToInstallPage(window);
    confirmInstall(window);

    EXPECT_EQ(window.settings->currentPage(), Page::install);
    EXPECT_EQ(titleOf(window), QStringLiteral("The following Products will be installed"));
    EXPECT_TRUE(window.named(QStringLiteral("goBackButton"))->isEnabled());
}
