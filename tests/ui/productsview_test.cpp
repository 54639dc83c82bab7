#include "uitest.h"

#include "ui/colors.h"
#include "ui/productrow.h"
#include "ui/productsview.h"

#include <QLabel>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

ProductRow *rowOf(const WindowUnderTest &window, const QString &name)
{
    return window.named<ProductRow>(QStringLiteral("productRow:") + name);
}

} // namespace

TEST(ProductsPage, ListsProductsByFolderNameInCodePointOrder)
{
    // Upper case sorts before lower case; a composed "é" after every ASCII letter.
    WindowUnderTest window({QStringLiteral("alpha"), QStringLiteral("B"), QStringLiteral("a"),
                            QStringLiteral("Zeta"), QString::fromUtf8("\xc3\xa9t\xc3\xa9"), QStringLiteral("z.plugin")});
    window.goTo(Page::products);
    EXPECT_EQ(listedProducts(*window.view),
              (QStringList{QStringLiteral("B"), QStringLiteral("Zeta"), QStringLiteral("a"), QStringLiteral("alpha"),
                           QStringLiteral("z.plugin"), QString::fromUtf8("\xc3\xa9t\xc3\xa9")}));
}

TEST(ProductsPage, ShowsOnlyNoProductsFoundWhenTheMapIsEmpty)
{
    WindowUnderTest window(QStringList{});
    window.goTo(Page::products);
    auto *empty = window.named<QLabel>(QStringLiteral("noProductsLabel"));
    ASSERT_NE(empty, nullptr);
    EXPECT_TRUE(empty->isVisible());
    EXPECT_EQ(empty->text(), QStringLiteral("No products found"));
    EXPECT_TRUE(empty->alignment().testFlag(Qt::AlignHCenter) && empty->alignment().testFlag(Qt::AlignVCenter));
    EXPECT_FALSE(window.named(QStringLiteral("productList"))->isVisible());
    EXPECT_TRUE(window.view->findChildren<ProductRow *>().isEmpty());
}

namespace {

enum class Part { box, name };

class ProductToggle : public ::testing::TestWithParam<Part>
{
protected:
    static QPoint pointOn(const ProductRow &row, Part part)
    {
        return part == Part::box ? row.checkBoxRect().center() : row.nameRect().center();
    }
};

} // namespace

// One click on the box or on the name toggles the flag in one assignment;
// a second click restores it.
TEST_P(ProductToggle, OneClickTogglesOneProductWithOneAnnouncement)
{
    WindowUnderTest window;
    window.goTo(Page::products);
    ProductRow *row = rowOf(window, QStringLiteral("Softhaze 3"));
    ASSERT_NE(row, nullptr);
    const QString key = window.bundle.productKey(QStringLiteral("Softhaze 3"));
    const QString other = window.bundle.productKey(QStringLiteral("Softhaze 4"));

    QSignalSpy announcements(window.settings.get(), &AppSettings::objectWillChange);
    window.click(row, pointOn(*row, GetParam()));
    EXPECT_EQ(announcements.count(), 1);
    EXPECT_FALSE(window.settings->products().at(key));
    EXPECT_TRUE(window.settings->products().at(other));
    EXPECT_FALSE(row->isSelected());

    window.click(row, pointOn(*row, GetParam()));
    EXPECT_EQ(announcements.count(), 2);
    EXPECT_TRUE(window.settings->products().at(key));
    EXPECT_TRUE(row->isSelected());
}

INSTANTIATE_TEST_SUITE_P(BoxOrName, ProductToggle, ::testing::Values(Part::box, Part::name));

TEST(ProductsPage, AClickBesideTheBoxAndTheNameChangesNothing)
{
    WindowUnderTest window;
    window.goTo(Page::products);
    ProductRow *row = rowOf(window, QStringLiteral("Softhaze 3"));
    ASSERT_NE(row, nullptr);
    QSignalSpy announcements(window.settings.get(), &AppSettings::objectWillChange);
    const QPoint gap((row->checkBoxRect().right() + row->nameRect().left()) / 2, row->height() / 2);
    window.click(row, gap);
    // The list around the row is no target either.
    window.click(window.named(QStringLiteral("productList")), {1, 1});
    EXPECT_EQ(announcements.count(), 0);
}

TEST(ProductsPage, ClearingTheLastSelectedProductDisablesNextAtOnceAndSelectingOneEnablesIt)
{
    WindowUnderTest window;
    window.goTo(Page::products);
    QWidget *next = window.named(QStringLiteral("nextButton"));
    ProductRow *three = rowOf(window, QStringLiteral("Softhaze 3"));
    ProductRow *four = rowOf(window, QStringLiteral("Softhaze 4"));
    window.click(three, three->checkBoxRect().center());
    EXPECT_TRUE(next->isEnabled());
    window.click(four, four->checkBoxRect().center());
    EXPECT_FALSE(next->isEnabled());
    window.click(four, four->nameRect().center());
    EXPECT_TRUE(next->isEnabled());
}

TEST(ProductsPage, AfterSelectAllEveryRowShowsTheBlueTickedBox)
{
    WindowUnderTest window({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    window.goTo(Page::products);
    ProductMap none = window.settings->products();
    for (auto &entry : none)
        entry.second = false;
    window.settings->setProducts(none);
    settle();
    for (const ProductRow *row : window.view->findChildren<ProductRow *>())
        EXPECT_FALSE(row->isSelected()) << row->name().toStdString();

    window.clickNamed(QStringLiteral("selectAllButton"));
    const auto rows = window.view->findChildren<ProductRow *>();
    ASSERT_EQ(rows.size(), 3);
    for (ProductRow *row : rows) {
        EXPECT_TRUE(row->isSelected()) << row->name().toStdString();
        // What the user sees: the box's middle row of pixels carries the blue.
        const QImage image = row->grab().toImage();
        const QRect box = row->checkBoxRect();
        EXPECT_EQ(image.pixelColor(box.left() + 1, box.center().y()), colors::blue()) << row->name().toStdString();
    }
}

TEST(ProductsPage, FolderNamesAreShownVerbatimNeverAsMarkupOrMnemonics)
{
    const QStringList hostile{QStringLiteral("<b>Bold"), QStringLiteral("A & B"), QStringLiteral("<img src=x>"),
                              QStringLiteral("&&Tools")};
    WindowUnderTest window(hostile);
    window.goTo(Page::products);
    QStringList expected = hostile;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(listedProducts(*window.view), expected);

    window.goTo(Page::install);
    for (const QString &name : hostile) {
        auto *label = window.named<QLabel>(QStringLiteral("selectedProduct:") + name);
        ASSERT_NE(label, nullptr) << name.toStdString();
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
        EXPECT_EQ(label->text(), name);
    }
}

TEST(ProductsPage, RowsSurviveAToggleSoFocusStaysOnTheClickedRow)
{
    WindowUnderTest window;
    window.goTo(Page::products);
    ProductRow *row = rowOf(window, QStringLiteral("Softhaze 4"));
    window.click(row, row->nameRect().center());
    EXPECT_EQ(rowOf(window, QStringLiteral("Softhaze 4")), row);

    // A new discovery with other products replaces the rows.
    window.settings->setProducts({{window.bundle.productKey(QStringLiteral("Other")), true}});
    settle();
    EXPECT_EQ(listedProducts(*window.view), QStringList{QStringLiteral("Other")});
}

TEST(ProductToggleOf, NegatesTheStoredFlagOrSelectsAMissingKey)
{
    const ProductMap start{{QStringLiteral("/p/A"), true}, {QStringLiteral("/p/B"), false}};
    EXPECT_EQ(toggledProduct(start, QStringLiteral("/p/A")),
              (ProductMap{{QStringLiteral("/p/A"), false}, {QStringLiteral("/p/B"), false}}));
    EXPECT_EQ(toggledProduct(start, QStringLiteral("/p/B")),
              (ProductMap{{QStringLiteral("/p/A"), true}, {QStringLiteral("/p/B"), true}}));
    EXPECT_EQ(toggledProduct({}, QStringLiteral("/p/C")), (ProductMap{{QStringLiteral("/p/C"), true}}));
}
