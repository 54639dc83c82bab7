#include "catalogue/elementkind.h"

#include <QString>

#include <gtest/gtest.h>

TEST(ElementKind, ComesFromThePathBelowTheProductsFolder)
{
    const struct
    {
        const char *element;
        ElementKind expected;
    } rows[] = {
        {"/b/Products/Softhaze 4/Softhaze 4 Plug-in", {}},
        {"/b/Products/Softhaze 4/Softhaze 4 Lightroom", {true, 4}},
        {"/b/Products/Softhaze 3/Softhaze 3 Lightroom", {true, 3}},
        {"/b/Products/Softhaze 3 Bundle/Lightroom", {true, 3}},
        {"/b/Products/Lightroom Pack/Softhaze 3 Tools", {true, 3}},
        {"/b/Products/X/lightroom tools", {}},
        {"/b/Products/Softhaze 4/Softhaze 4 Lightroom/", {true, 4}},
        {"Products/Softhaze 3/Softhaze 3 Lightroom", {true, 3}},
        // The folders the bundle lies in say nothing.
        {"/home/u/Lightroom-work/b/Products/Softhaze 4/Softhaze 4 Plug-in", {}},
        {"/tmp/Softhaze 3/b/Products/Softhaze 4/Softhaze 4 Lightroom", {true, 4}},
        {"/Lightroom/Products/Softhaze 4/Softhaze 4 Plug-in", {}},
        // A product or element named Products is still below the bundle's.
        {"/Lightroom/Products/Products/Softhaze 4 Plug-in", {}},
        {"/Lightroom/Products/Softhaze 4/Products", {}},
        // Paths of another shape count whole, as before.
        {"/x/Lightroom A", {true, 4}},
        {"/Softhaze 3/Products/Lightroom", {true, 3}},
        {"/x/Products/Softhaze 3 Lightroom", {true, 3}},
        {"Lightroom", {true, 4}},
        {"", {}},
    };
    for (const auto &row : rows) {
        const QString element = QString::fromUtf8(row.element);
        const ElementKind kind = kindOf(element);
        EXPECT_EQ(kind, row.expected) << row.element << ": lightroom " << kind.lightroom << ", digit " << kind.digit;
    }
}
