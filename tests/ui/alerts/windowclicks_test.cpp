// The alert layer inside the real installer window, driven by clicks that go
// through the window like a user's, with installations by the real script
// host into temporary folders.

#include "install/scripthost.h"
#include "platform/linesink.h"
#include "state/appsettings.h"
#include "support/tempfolder.h"
#include "ui/alertview.h"
#include "ui/contentview.h"
#include "ui/readabletext.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

class WindowClicks : public ::testing::Test
{
protected:
    void SetUp() override
    {
        settings.refreshProducts();
        ASSERT_EQ(settings.products().size(), 2u) << "the sample bundle has two products";
        window = std::make_unique<ContentView>(settings, [] { return std::optional<QString>(resources); });
        window->resize(648, 405);
        window->show();
        settle();
    }

    void TearDown() override { window.reset(); }

    AppEnvironment environment()
    {
        return {
            [] { return std::optional<QString>(resources); },
            [this] { return targets; },
            [this](const QString &script, const ProgressReport &report) {
                scripthost::Options options = hostOptions();
                options.targets = targets;
                options.installRoot = root.path();
                options.progress = report;
                return scripthost::runWith(script, options);
            },
            [this] { ++terminateCalls; },
        };
    }

    // The privileged helper started directly, as for an installer running
    // as root; anything else would ask for a password.
    static scripthost::Options hostOptions()
    {
        scripthost::Options options;
        options.helperPath = QStringLiteral(VELTRANO_HELPER_PATH);
        const scripthost::Options system = scripthost::Options::system();
        options.user = system.user;
        options.home = system.home;
        return options;
    }

    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    QAbstractButton *visibleButton(const char *name) const
    {
        for (QAbstractButton *b : window->findChildren<QAbstractButton *>(QLatin1String(name)))
            if (b->isVisible())
                return b;
        return nullptr;
    }

    // Clicks where the button is on screen, through the window: whatever lies
    // on top at that point gets the click, as it would for a user.
    void click(const char *name)
    {
        QAbstractButton *b = visibleButton(name);
        ASSERT_TRUE(b) << name << " is not on screen";
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, b->mapTo(window.get(), b->rect().center()));
        settle();
    }

    Overlay overlay() const { return window->findChild<AlertView *>()->shownOverlay(); }

    // Next through the welcome page, the license (agreeing) and the products.
    void walkToInstallPage()
    {
        click("nextButton");
        click("nextButton");
        click("agreeButton");
        ASSERT_EQ(settings.currentPage(), Page::products);
        click("nextButton");
        ASSERT_EQ(settings.currentPage(), Page::install);
    }

    static inline const QString resources = QStringLiteral(VELTRANO_SOURCE_DIR "/resources");
    TempFolder root;
    Product::InstallTargets targets{root(QStringLiteral("opt/Veltrano/")),
                                    root(QStringLiteral("usr/local/share/Adobe/Plug-Ins/CC/Veltrano/")),
                                    root(QStringLiteral("xdg/Adobe/Lightroom/"))};
    int terminateCalls = 0;
    linesink::Capture output;
    AppSettings settings{environment()};
    std::unique_ptr<ContentView> window;
};

} // namespace

TEST_F(WindowClicks, LicenseAlertGuardsTheLicensePage)
{
    click("nextButton");
    ASSERT_EQ(settings.currentPage(), Page::license);
    click("nextButton");
    EXPECT_EQ(overlay(), Overlay::licenseAlert) << "Next without agreeing";
    EXPECT_EQ(settings.currentPage(), Page::license);

    // The page's own buttons lie under the backdrop now.
    QAbstractButton *next = visibleButton("nextButton");
    ASSERT_TRUE(next);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, next->mapTo(window.get(), next->rect().center()));
    settle();
    EXPECT_EQ(settings.currentPage(), Page::license);
    EXPECT_EQ(overlay(), Overlay::licenseAlert);

    click("readLicenseButton");
    EXPECT_EQ(overlay(), Overlay::none);
    EXPECT_EQ(settings.currentPage(), Page::license);
    EXPECT_TRUE(visibleButton("goBackButton")) << "the license page is usable again";

    click("nextButton");
    ASSERT_EQ(overlay(), Overlay::licenseAlert);
    click("disagreeButton");
    EXPECT_EQ(terminateCalls, 1) << "Disagree quits";

    click("agreeButton");
    EXPECT_EQ(settings.currentPage(), Page::products);
    EXPECT_EQ(overlay(), Overlay::none);
    EXPECT_TRUE(settings.agreeWithTerms());
}

TEST_F(WindowClicks, CancelThenInstallEndsOnTheSuccessSummary)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "installing without a password prompt needs root";
    walkToInstallPage();
    click("nextButton");
    ASSERT_EQ(overlay(), Overlay::installConfirmation);
    click("cancelInstallButton");
    EXPECT_EQ(overlay(), Overlay::none);
    EXPECT_EQ(settings.currentPage(), Page::install);
    EXPECT_FALSE(QFileInfo::exists(root(QStringLiteral("opt")))) << "Cancel installs nothing";

    click("nextButton");
    ASSERT_EQ(overlay(), Overlay::installConfirmation);
    click("installButton");
    EXPECT_EQ(settings.currentPage(), Page::summary);
    EXPECT_FALSE(settings.completedWithErrors()) << qPrintable(settings.logDetailsStr());
    EXPECT_EQ(overlay(), Overlay::none);
    auto *message = window->findChild<ReadableText *>(QStringLiteral("summaryMessage"));
    ASSERT_TRUE(message);
    EXPECT_EQ(message->text(), QStringLiteral("You have been successfully installed selected products."));
    EXPECT_FALSE(visibleButton("detailsLink"));
    EXPECT_TRUE(QFileInfo(targets.appVeltrano + QStringLiteral("Softhaze 3 Plug-in/softhaze3.filter")).isFile());
    EXPECT_TRUE(QFileInfo(targets.appSuppVeltrano + QStringLiteral("Softhaze 4 Plug-in")).isSymLink());
    EXPECT_TRUE(QFileInfo(targets.userAppSuppLR + QStringLiteral("Modules/softhaze4.lrdevplugin")).isSymLink());
    EXPECT_TRUE(output.lines().contains(QStringLiteral("ERROR VALUE Ok")));
}

TEST_F(WindowClicks, FailedInstallShowsItsLogAndCopiesIt)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "installing without a password prompt needs root";
    // The maker's folder would have to be created inside a plain file.
    root.writeFile(QStringLiteral("opt"), "not a folder");
    walkToInstallPage();
    click("nextButton");
    click("installButton");
    ASSERT_EQ(settings.currentPage(), Page::summary);
    ASSERT_TRUE(settings.completedWithErrors());
    const QString log = settings.logDetailsStr();
    EXPECT_TRUE(log.startsWith(QLatin1String("mkdir: ")) && log.contains(QLatin1String("Not a directory")))
        << qPrintable(log);
    auto *message = window->findChild<ReadableText *>(QStringLiteral("summaryMessage"));
    ASSERT_TRUE(message);
    EXPECT_EQ(message->text(), QStringLiteral("The installation was not completed successfully."));

    click("detailsLink");
    ASSERT_EQ(overlay(), Overlay::logDetails);
    auto *text = window->findChild<QPlainTextEdit *>(QStringLiteral("logText"));
    ASSERT_TRUE(text && text->isVisible());
    EXPECT_EQ(text->toPlainText(), log);

    QGuiApplication::clipboard()->setText(QStringLiteral("something older"));
    click("copyLogButton");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), log);
    ASSERT_TRUE(QGuiApplication::clipboard()->mimeData());
    EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->formats(), QStringList{QStringLiteral("text/plain")});
    EXPECT_EQ(overlay(), Overlay::logDetails) << "the window stays after copying";

    // The Details link lies under the backdrop while the log is up.
    QAbstractButton *details = visibleButton("detailsLink");
    ASSERT_TRUE(details);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      details->mapTo(window.get(), details->rect().center()));
    settle();
    EXPECT_TRUE(settings.showLogDetailsWindow());

    click("closeLogButton");
    EXPECT_EQ(overlay(), Overlay::none);
    EXPECT_FALSE(settings.showLogDetailsWindow());
    EXPECT_EQ(settings.currentPage(), Page::summary);
    EXPECT_EQ(terminateCalls, 0);
}
