#include "ui/alerts/gearicon.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {

class GearIcon : public ::testing::TestWithParam<qreal>
{
};

} // namespace

// Drawn afresh for each density: at 2x the pixmap has twice the pixels, not
// a blown-up 1x picture, with the hole and the teeth where they belong.
TEST_P(GearIcon, DrawnAtTheRequestedDensity)
{
    const qreal ratio = GetParam();
    const QIcon icon = gearicon::icon(Qt::black);
    const QPixmap pixmap = icon.pixmap(QSize(16, 16), ratio);
    ASSERT_EQ(pixmap.size(), QSize(16, 16) * ratio);
    EXPECT_EQ(pixmap.devicePixelRatio(), ratio);
    const QImage image = pixmap.toImage();
    const auto alphaAt = [&](qreal x, qreal y) { return qAlpha(image.pixel(int(x * ratio), int(y * ratio))); };
    EXPECT_EQ(alphaAt(8, 8), 0) << "the hole";
    EXPECT_EQ(alphaAt(0, 0), 0) << "outside the gear";
    EXPECT_GT(alphaAt(8, 4), 200) << "the ring around the hole";
    EXPECT_GT(alphaAt(8, 1.2), 150) << "the top tooth";
    // Between two teeth, beyond the ring's rim.
    EXPECT_LT(alphaAt(8 + 7.2 * 0.38, 8 - 7.2 * 0.92), 100) << "a gap";

    int partial = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            partial += qAlpha(image.pixel(x, y)) > 0 && qAlpha(image.pixel(x, y)) < 255;
    EXPECT_GT(partial, 0) << "antialiased edges";
}

INSTANTIATE_TEST_SUITE_P(Densities, GearIcon, ::testing::Values(1.0, 2.0));

TEST(GearIconModes, DisabledIsFainter)
{
    const QIcon icon = gearicon::icon(Qt::black);
    const QImage normal = icon.pixmap(QSize(32, 32), 1.0, QIcon::Normal).toImage();
    const QImage disabled = icon.pixmap(QSize(32, 32), 1.0, QIcon::Disabled).toImage();
    EXPECT_GT(qAlpha(normal.pixel(16, 10)), qAlpha(disabled.pixel(16, 10)));
}
