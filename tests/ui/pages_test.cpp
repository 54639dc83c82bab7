#include "uitest.h"

#include "platform/linesink.h"
#include "ui/colors.h"
#include "ui/pagetexts.h"
#include "ui/readabletext.h"
#include "ui/symbolview.h"
#include "ui/textwithattributedstring.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace {

struct PageRow
{
    Page page;
    const char *barLabel;
    const char *title;
};

class EveryPage : public ::testing::TestWithParam<PageRow>
{
};

QList<SymbolView *> blueDots(const ContentView &view)
{
    QList<SymbolView *> blue;
    for (SymbolView *dot : view.findChildren<SymbolView *>()) {
        if (dot->objectName().startsWith(QStringLiteral("pageDot:")) && dot->color() == colors::blue())
            blue.append(dot);
    }
    return blue;
}

} // namespace

TEST_P(EveryPage, ShowsItsTitleAndExactlyOneBlueDotOnItsOwnRow)
{
    const PageRow &row = GetParam();
    WindowUnderTest window;
    window.goTo(row.page);

    EXPECT_EQ(pageBarLabel(row.page), QString::fromUtf8(row.barLabel));
    EXPECT_EQ(window.named<QLabel>(QStringLiteral("pageTitle"))->text(), QString::fromUtf8(row.title));
    const auto blue = blueDots(*window.view);
    ASSERT_EQ(blue.size(), 1);
    EXPECT_EQ(blue[0]->objectName(), QStringLiteral("pageDot:") + QString::fromUtf8(row.barLabel));

    // And that is what is painted: the dot's middle pixel in the window.
    const QImage image = window.view->grab().toImage();
    for (const Page page : allPages) {
        auto *dot = window.named(QStringLiteral("pageDot:") + pageBarLabel(page));
        ASSERT_NE(dot, nullptr);
        const QColor painted = image.pixelColor(dot->mapTo(window.view.get(), dot->rect().center()));
        EXPECT_EQ(painted, page == row.page ? colors::blue() : colors::gray()) << pageBarLabel(page).toStdString();
        auto *label = window.named<QLabel>(QStringLiteral("pageLabel:") + pageBarLabel(page));
        EXPECT_EQ(label->text(), pageBarLabel(page));
    }
}

INSTANTIATE_TEST_SUITE_P(
    TitlesAndLabels, EveryPage,
    ::testing::Values(PageRow{Page::intro, "Introduction", "Welcome to the Veltrano Plugin Installer"},
                      PageRow{Page::license, "License", "Software License Agreement"},
                      PageRow{Page::products, "Products", "Select Products to install"},
                      PageRow{Page::install, "Selected Products", "The following Products will be installed"},
                      PageRow{Page::summary, "Summary", ""}));

TEST(IntroPage, ShowsTheWelcomeText)
{
    WindowUnderTest window;
    auto *welcome = window.named<QLabel>(QStringLiteral("welcomeText"));
    ASSERT_NE(welcome, nullptr);
    EXPECT_TRUE(welcome->isVisible());
    EXPECT_EQ(welcome->text(), QStringLiteral("You will be guided through the steps necessary to use this software."));
}

TEST(LicensePage, HoldsExactlyOneLicenseViewThatLivesAsLongAsThePage)
{
    WindowUnderTest window;
    EXPECT_TRUE(window.view->findChildren<TextWithAttributedString *>().isEmpty());
    window.goTo(Page::license);
    const auto views = window.view->findChildren<TextWithAttributedString *>();
    ASSERT_EQ(views.size(), 1);
    EXPECT_TRUE(views[0]->isVisible());

    // Changes that keep the page keep the view, and with it the scroll position.
    window.settings->setShowLicenseAlert(true);
    window.settings->setAccessType(FinderAccess::denied);
    settle();
    EXPECT_EQ(window.view->findChildren<TextWithAttributedString *>(), views);

    window.settings->setShowLicenseAlert(false);
    settle();
    window.clickNamed(QStringLiteral("goBackButton"));
    EXPECT_TRUE(window.view->findChildren<TextWithAttributedString *>().isEmpty());
    window.clickNamed(QStringLiteral("nextButton"));
    EXPECT_EQ(window.view->findChildren<TextWithAttributedString *>().size(), 1);
}

TEST(LicensePage, AMissingLicenseFileIsReportedOnceAndTheWizardGoesOn)
{
    const linesink::Capture output;
    WindowUnderTest window({QStringLiteral("Softhaze 3")}, License::missing);
    EXPECT_EQ(output.lines().count(QStringLiteral("File not found")), 1);

    window.clickNamed(QStringLiteral("nextButton"));
    EXPECT_EQ(window.view->findChildren<TextWithAttributedString *>().size(), 1);
    window.settings->agreeWithLicense();
    settle();
    EXPECT_EQ(window.settings->currentPage(), Page::products);
    EXPECT_EQ(output.lines().count(QStringLiteral("File not found")), 1);
}

TEST(InstallPage, ListsOnlyTheSelectedNamesInOrderEachAfterAGrayDot)
{
    WindowUnderTest window({QStringLiteral("b.plugin"), QStringLiteral("C"), QStringLiteral("A")});
    ProductMap products = window.settings->products();
    products[window.bundle.productKey(QStringLiteral("A"))] = false;
    window.settings->setProducts(products);
    window.goTo(Page::install);

    QList<QLabel *> labels;
    for (QLabel *label : window.view->findChildren<QLabel *>()) {
        if (label->objectName().startsWith(QStringLiteral("selectedProduct:")))
            labels.append(label);
    }
    std::sort(labels.begin(), labels.end(), [](QLabel *a, QLabel *b) {
        return a->mapTo(a->window(), QPoint()).y() < b->mapTo(b->window(), QPoint()).y();
    });
    ASSERT_EQ(labels.size(), 2);
    EXPECT_EQ(labels[0]->text(), QStringLiteral("C"));
    EXPECT_EQ(labels[1]->text(), QStringLiteral("b.plugin"));
    for (QLabel *label : labels) {
        const auto dots = label->parentWidget()->findChildren<SymbolView *>();
        ASSERT_EQ(dots.size(), 1);
        EXPECT_EQ(dots[0]->symbol(), Symbol::circleFill);
        EXPECT_EQ(dots[0]->color(), colors::gray());
        EXPECT_LT(dots[0]->x(), label->x());
    }
}

TEST(InstallPage, WithNothingSelectedTheListIsEmpty)
{
    WindowUnderTest window;
    ProductMap products = window.settings->products();
    for (auto &entry : products)
        entry.second = false;
    window.settings->setProducts(products);
    window.goTo(Page::install);
    for (QLabel *label : window.view->findChildren<QLabel *>())
        EXPECT_FALSE(label->objectName().startsWith(QStringLiteral("selectedProduct:")));
}

TEST(SummaryPage, FollowsTheFailureFlagAtEveryRefresh)
{
    WindowUnderTest window;
    window.goTo(Page::summary);
    auto *icon = window.named<SymbolView>(QStringLiteral("summaryIcon"));
    EXPECT_EQ(icon->symbol(), Symbol::checkmarkCircle);
    EXPECT_EQ(icon->color(), colors::green());
    EXPECT_EQ(icon->size(), QSize(60, 60));
    EXPECT_FALSE(window.named(QStringLiteral("detailsLink"))->isVisible());

    window.settings->setCompletedWithErrors(true);
    settle();
    EXPECT_EQ(icon->symbol(), Symbol::exclamationmarkCircle);
    EXPECT_EQ(icon->color(), colors::red());
    EXPECT_TRUE(window.named(QStringLiteral("detailsLink"))->isVisible());
}

TEST(SummaryPage, ALongMessageWrapsInsideThePanel)
{
    WindowUnderTest window;
    window.goTo(Page::summary);
    auto *message = window.named<ReadableText>(QStringLiteral("summaryMessage"));
    EXPECT_TRUE(message->alignment().testFlag(Qt::AlignHCenter));
    QWidget *panel = window.named(QStringLiteral("contentPanel"));
    EXPECT_LE(message->mapTo(panel, QPoint(message->width(), 0)).x(), panel->width());
}
