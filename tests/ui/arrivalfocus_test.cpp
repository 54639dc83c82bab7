#include "uitest.h"

#include "ui/arrivalfocus.h"
#include "ui/pagetexts.h"

#include <QApplication>

#include <gtest/gtest.h>

TEST(ArrivalFocus, TheFirstThingOfEachPageToReadOrChoose)
{
    const ProductMap none;
    const ProductMap two{{QStringLiteral("/b/Products/beta"), false}, {QStringLiteral("/b/Products/Zeta"), true}};
    const ProductMap unselected{{QStringLiteral("/b/Products/alpha"), false}};
    const struct
    {
        Page page;
        const ProductMap &products;
        const char *focus;
    } rows[] = {
        {Page::intro, two, "welcomeText"},
        {Page::license, two, "licenseText"},
        // Listed by code points: "Zeta" before "beta".
        {Page::products, two, "productRow:Zeta"},
        {Page::products, unselected, "productRow:alpha"},
        {Page::products, none, "noProductsLabel"},
        {Page::install, two, "selectedRow:Zeta"},
        {Page::install, unselected, "nextButton"},
        {Page::summary, two, "summaryMessage"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(arrivalFocus(row.page, row.products), QString::fromUtf8(row.focus)) << int(row.page);
}

// Each arrival on a page, forwards and back, puts the focus on its first
// thing, inside the page that assistive technology names after the page.
TEST(ArrivalFocus, EveryVisitOfEveryPageFocusesItsFirstThing)
{
    WindowUnderTest window;
    window.view->activateWindow();
    const Page visits[] = {Page::intro,    Page::license, Page::products, Page::install,
                           Page::products, Page::license, Page::install,  Page::summary};
    for (const Page page : visits) {
        SCOPED_TRACE(int(page));
        window.goTo(page);
        settle();
        QWidget *focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        const QWidget *target = window.named(arrivalFocus(page, window.settings->products()));
        ASSERT_NE(target, nullptr);
        // The license view hands the focus to the text inside it.
        EXPECT_TRUE(focus == target || focus == target->focusProxy()) << focus->objectName().toStdString();
        QWidget *pageWidget = focus->parentWidget();
        while (pageWidget && pageWidget->accessibleName() != pageName(page))
            pageWidget = pageWidget->parentWidget();
        EXPECT_NE(pageWidget, nullptr) << "the focus is not inside a page named " << pageName(page).toStdString();
    }
}
