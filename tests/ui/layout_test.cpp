// The window's edges: the panel border on every page, long names and large
// fonts that must wrap rather than be cut off, and the product row's focus
// mark.

#include "uitest.h"

#include "ui/pagetexts.h"
#include "ui/productrow.h"
#include "ui/wrappinglabel.h"

#include <QApplication>
#include <QScrollArea>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class PanelBorder : public ::testing::TestWithParam<Page>
{
};

} // namespace

TEST_P(PanelBorder, IsDrawnOverThePageOnEverySide)
{
    WindowUnderTest window;
    window.goTo(GetParam());
    const QImage image = window.view->grab().toImage();
    const QWidget *panel = window.named(QStringLiteral("contentPanel"));
    const QRect at(panel->mapTo(window.view.get(), QPoint(0, 0)), panel->size());
    const QPoint mid = at.center();
    for (const QPoint edge : {QPoint(at.left(), mid.y()), QPoint(at.right(), mid.y()), QPoint(mid.x(), at.top()),
                              QPoint(mid.x(), at.bottom())}) {
        // The faint line over white, not the white page.
        EXPECT_LT(image.pixelColor(edge).red(), 245) << edge.x() << "," << edge.y();
    }
}

INSTANTIATE_TEST_SUITE_P(EveryPage, PanelBorder, ::testing::ValuesIn(allPages.begin(), allPages.end()));

// A long name, with spaces or as one word, wraps within its row: the list
// never grows wider than what is in sight, every box stays in view and no
// letter is cut off. The same holds for the install page's list.
TEST(LongNames, WrapWithinTheirRowsOnBothLists)
{
    const QString spaced = QStringLiteral("Softhaze Extended Edition with Every Optional Lightroom Preset Pack "
                                          "and the Complete Film Emulation Library Included");
    const QString oneWord = QString(110, QLatin1Char('W'));
    WindowUnderTest window({QStringLiteral("Softhaze 3"), spaced, oneWord});
    window.goTo(Page::products);
    auto *list = window.named<QScrollArea>(QStringLiteral("productList"));
    EXPECT_LE(list->widget()->width(), list->viewport()->width());
    for (const QString &name : {spaced, oneWord}) {
        auto *row = window.named<ProductRow>(QStringLiteral("productRow:") + name);
        ASSERT_TRUE(row);
        EXPECT_GT(row->height(), 2 * row->fontMetrics().height()) << "the row grows to show every line";
        EXPECT_LE(row->nameRect().right(), row->width());
        EXPECT_TRUE(row->rect().contains(row->checkBoxRect()));
        EXPECT_LE(row->mapTo(list->viewport(), QPoint(row->width(), 0)).x(), list->viewport()->width());
    }

    window.goTo(Page::install);
    for (const QString &name : {spaced, oneWord}) {
        auto *label = window.named<WrappingLabel>(QStringLiteral("selectedProduct:") + name);
        ASSERT_TRUE(label);
        const QSize text = wrappedtext::size(name, label->font(), label->contentsRect().width());
        EXPECT_LE(text.width(), label->contentsRect().width());
        EXPECT_LE(text.height(), label->contentsRect().height());
        EXPECT_LE(label->mapTo(window.view.get(), QPoint(label->width(), 0)).x(),
                  window.named(QStringLiteral("contentPanel"))->mapTo(window.view.get(), QPoint(0, 0)).x()
                      + window.named(QStringLiteral("contentPanel"))->width());
    }
}

TEST(PageBarLabels, WrapRatherThanBeingCutWithALargeFont)
{
    WindowUnderTest window;
    QFont large = window.view->font();
    large.setPixelSize(26);
    window.view->setFont(large);
    settle();
    for (const Page page : allPages) {
        auto *label = window.named<WrappingLabel>(QStringLiteral("pageLabel:") + pageBarLabel(page));
        ASSERT_TRUE(label);
        ASSERT_EQ(label->font().pixelSize(), 26);
        const QSize text = wrappedtext::size(label->text(), label->font(), label->contentsRect().width());
        EXPECT_LE(text.width(), label->contentsRect().width()) << label->text().toStdString();
        EXPECT_LE(text.height(), label->contentsRect().height()) << label->text().toStdString() << " is cut off";
    }
}

// The focus mark is drawn around the box and the name, never over them.
TEST(ProductRowFocus, MarkLeavesBoxAndNameUncovered)
{
    WindowUnderTest window;
    window.goTo(Page::products);
    window.view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.view.get()));
    auto *row = window.named<ProductRow>(QStringLiteral("productRow:Softhaze 3"));
    const QImage plain = row->grab().toImage();

    // By keyboard, so the style draws its focus mark.
    window.named(QStringLiteral("nextButton"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), row);
    const QImage focused = row->grab().toImage();

    bool marked = false;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            const bool same = plain.pixel(x, y) == focused.pixel(x, y);
            if (row->checkBoxRect().contains(x, y) || row->nameRect().contains(x, y)) {
                ASSERT_TRUE(same) << "the mark covers (" << x << "," << y << ")";
            }
            marked |= !same;
        }
    }
    EXPECT_TRUE(marked) << "a focused row shows its focus";
}
