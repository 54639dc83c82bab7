#include "ui/symbols.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

struct SymbolRow
{
    Symbol symbol;
    // A point, in the unit square, that carries the colour, and one that
    // stays transparent.
    QPointF inked;
    QPointF clear;
};

class Symbols : public ::testing::TestWithParam<std::tuple<SymbolRow, int>>
{
};

} // namespace

// Every symbol stays inside its frame and is drawn at the device's own
// resolution, so it is as sharp at 2x as at 1x.
TEST_P(Symbols, PaintInsideTheirFrameAtEveryScale)
{
    const auto &[row, scale] = GetParam();
    const QColor color(10, 120, 250);
    const int side = 16;
    const int margin = 4;
    QImage image(QSize(side + 2 * margin, side + 2 * margin) * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        paintSymbol(painter, row.symbol, QRectF(margin, margin, side, side), color);
    }
    int inkedOutside = 0;
    int inkedInside = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool inside = QRect(margin * scale, margin * scale, side * scale, side * scale).contains(x, y);
            if (qAlpha(image.pixel(x, y)) != 0)
                ++(inside ? inkedInside : inkedOutside);
        }
    }
    EXPECT_EQ(inkedOutside, 0) << symbolName(row.symbol).toStdString();
    EXPECT_GT(inkedInside, 0);

    auto pixelAt = [&](QPointF unit) {
        return image.pixelColor(int((margin + unit.x() * side) * scale), int((margin + unit.y() * side) * scale));
    };
    // Strokes are anti-aliased: the inked point is mostly covered, in the colour.
    const QColor inked = pixelAt(row.inked);
    EXPECT_GE(inked.alpha(), 160) << symbolName(row.symbol).toStdString();
    EXPECT_NEAR(inked.red(), color.red(), 8);
    EXPECT_NEAR(inked.green(), color.green(), 8);
    EXPECT_NEAR(inked.blue(), color.blue(), 8);
    EXPECT_EQ(pixelAt(row.clear).alpha(), 0) << symbolName(row.symbol).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    EverySymbol, Symbols,
    ::testing::Combine(::testing::Values(SymbolRow{Symbol::circleFill, {0.5, 0.5}, {0.03, 0.03}},
                                         SymbolRow{Symbol::square, {0.5, 0.02}, {0.5, 0.5}},
                                         SymbolRow{Symbol::checkmarkSquareFill, {0.12, 0.5}, {0.43, 0.66}},
                                         SymbolRow{Symbol::checkmarkCircle, {0.5, 0.02}, {0.5, 0.3}},
                                         SymbolRow{Symbol::exclamationmarkCircle, {0.5, 0.4}, {0.35, 0.5}}),
                       ::testing::Values(1, 2)));
