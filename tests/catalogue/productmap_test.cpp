#include "catalogue/productmap.h"

#include <gtest/gtest.h>

TEST(ProductNames, SortByCodePointsOfTheComposedText)
{
    const ProductMap products{
        {QStringLiteral("/r/Products/alpha"), true},
        {QStringLiteral("/r/Products/Zeta"), false},
        {QStringLiteral("/r/Products/B"), true},
        {QStringLiteral("/r/Products/E\u0301cran"), true}, // decomposed É sorts as composed É
        {QStringLiteral("/r/Products/F"), true},
        {QStringLiteral("/r/Products/Plug.app"), true},
    };
    QStringList names;
    for (const QString &key : sortedProductKeys(products))
        names.append(productName(key));
    EXPECT_EQ(names, (QStringList{"B", "F", "Plug.app", "Zeta", "alpha", QStringLiteral("E\u0301cran")}));
    EXPECT_EQ(sortedSelectedNames(products), (QStringList{"B", "F", "Plug.app", "alpha", QStringLiteral("E\u0301cran")}));
}

TEST(ProductNames, AreTheLastPathComponent)
{
    EXPECT_EQ(productName(QStringLiteral("/r/Products/My Plug-in 2")), QStringLiteral("My Plug-in 2"));
    EXPECT_EQ(productName(QStringLiteral("/r/Products/.hidden/")), QStringLiteral(".hidden"));
}
