#include "uitest.h"

#include "ui/navigation.h"
#include "ui/pagetexts.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

enum class Selection { none, some, all, noProducts };

struct ButtonRow
{
    Page page;
    Selection selection;
    bool selectAllShown;
    bool selectAllEnabled;
    bool goBackEnabled;
    const char *forwardText;
    bool forwardEnabled;
};

ProductMap productsFor(Selection selection, const TestBundle &bundle)
{
    const QString a = bundle.productKey(QStringLiteral("Alpha"));
    const QString b = bundle.productKey(QStringLiteral("Beta"));
    switch (selection) {
    case Selection::none: return {{a, false}, {b, false}};
    case Selection::some: return {{a, false}, {b, true}};
    case Selection::all: return {{a, true}, {b, true}};
    case Selection::noProducts: return {};
    }
    return {};
}

std::ostream &operator<<(std::ostream &out, const ButtonRow &row)
{
    return out << pageBarLabel(row.page).toStdString() << " selection " << int(row.selection);
}

class ButtonBar : public ::testing::TestWithParam<ButtonRow>
{
};

} // namespace

// The button bar, page by page, as the real buttons show it.
TEST_P(ButtonBar, ShowsThePresenceLabelAndEnabledStateOfItsPage)
{
    const ButtonRow &row = GetParam();
    WindowUnderTest window({QStringLiteral("Alpha"), QStringLiteral("Beta")});
    window.settings->setProducts(productsFor(row.selection, window.bundle));
    window.goTo(row.page);

    auto *selectAll = window.named<QPushButton>(QStringLiteral("selectAllButton"));
    auto *goBack = window.named<QPushButton>(QStringLiteral("goBackButton"));
    auto *forward = window.named<QPushButton>(QStringLiteral("nextButton"));
    EXPECT_EQ(selectAll->isVisible(), row.selectAllShown);
    if (row.selectAllShown) {
        EXPECT_EQ(selectAll->text(), QStringLiteral("Select All"));
        EXPECT_EQ(selectAll->isEnabled(), row.selectAllEnabled);
    }
    EXPECT_EQ(goBack->text(), QStringLiteral("Go Back"));
    EXPECT_EQ(goBack->isEnabled(), row.goBackEnabled);
    EXPECT_EQ(forward->text(), QString::fromLatin1(row.forwardText));
    EXPECT_EQ(forward->isEnabled(), row.forwardEnabled);

    const Navigation expected{row.selectAllShown, row.selectAllEnabled, row.goBackEnabled,
                              row.page == Page::summary ? ForwardLabel::close : ForwardLabel::next,
                              row.forwardEnabled};
    EXPECT_EQ(navigationFor(row.page, window.settings->products()), expected);
}

INSTANTIATE_TEST_SUITE_P(
    EveryPage, ButtonBar,
    ::testing::Values(ButtonRow{Page::intro, Selection::all, false, false, false, "Next", true},
                      ButtonRow{Page::license, Selection::all, false, false, true, "Next", true},
                      ButtonRow{Page::license, Selection::none, false, false, true, "Next", true},
                      ButtonRow{Page::products, Selection::all, true, true, true, "Next", true},
                      ButtonRow{Page::products, Selection::some, true, true, true, "Next", true},
                      ButtonRow{Page::products, Selection::none, true, true, true, "Next", false},
                      ButtonRow{Page::products, Selection::noProducts, true, false, true, "Next", false},
                      ButtonRow{Page::install, Selection::some, false, false, true, "Next", true},
                      ButtonRow{Page::install, Selection::none, false, false, true, "Next", true},
                      ButtonRow{Page::summary, Selection::all, false, false, false, "Close", true}));

namespace {

struct BackRow
{
    Page from;
    Page to;
};

class GoBack : public ::testing::TestWithParam<BackRow>
{
};

} // namespace

TEST_P(GoBack, LeadsOnePageBackAndShowsIt)
{
    WindowUnderTest window;
    window.goTo(GetParam().from);
    window.clickNamed(QStringLiteral("goBackButton"));
    EXPECT_EQ(window.settings->currentPage(), GetParam().to);
    EXPECT_EQ(window.named<QLabel>(QStringLiteral("pageTitle"))->text(), pageTitle(GetParam().to));
}

INSTANTIATE_TEST_SUITE_P(EveryPageWithABackButton, GoBack,
                         ::testing::Values(BackRow{Page::license, Page::intro}, BackRow{Page::products, Page::license},
                                           BackRow{Page::install, Page::products}));

TEST(GoBack, OnTheLicensePageLeadsToAWelcomePageWhoseGoBackIsDisabled)
{
    WindowUnderTest window;
    window.goTo(Page::license);
    window.clickNamed(QStringLiteral("goBackButton"));
    ASSERT_EQ(window.settings->currentPage(), Page::intro);
    EXPECT_FALSE(window.named(QStringLiteral("goBackButton"))->isEnabled());
    // A disabled button takes no click.
    window.clickNamed(QStringLiteral("goBackButton"));
    EXPECT_EQ(window.settings->currentPage(), Page::intro);
}

TEST(GoBack, NeverLeavesTheFirstPage)
{
    WindowUnderTest window;
    goBack(*window.settings);
    EXPECT_EQ(window.settings->currentPage(), Page::intro);
}

TEST(SelectAll, WithAnEmptyMapSelectAllAndNextAreDisabledButGoBackStillWorks)
{
    WindowUnderTest window(QStringList{});
    window.goTo(Page::products);
    EXPECT_FALSE(window.named(QStringLiteral("selectAllButton"))->isEnabled());
    EXPECT_FALSE(window.named(QStringLiteral("nextButton"))->isEnabled());
    window.clickNamed(QStringLiteral("goBackButton"));
    EXPECT_EQ(window.settings->currentPage(), Page::license);
}

TEST(SelectAll, StaysEnabledWhenEverythingIsSelectedAndStillAnnouncesOnce)
{
    WindowUnderTest window;
    window.goTo(Page::products);
    auto *selectAll = window.named<QPushButton>(QStringLiteral("selectAllButton"));
    ASSERT_TRUE(selectAll->isEnabled());
    const ProductMap before = window.settings->products();
    QSignalSpy announcements(window.settings.get(), &AppSettings::objectWillChange);
    window.click(selectAll);
    EXPECT_EQ(announcements.count(), 1);
    EXPECT_EQ(window.settings->products(), before);
    EXPECT_TRUE(selectAll->isEnabled());
}
