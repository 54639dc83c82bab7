#include "state/finderaccess.h"
#include "state/page.h"

#include <gtest/gtest.h>

TEST(Page, RawValuesRoundTripAndRejectOutOfRange)
{
    for (const Page page : allPages)
        EXPECT_EQ(pageFromRawValue(rawValue(page)), page);
    EXPECT_EQ(pageFromRawValue(-1), std::nullopt);
    EXPECT_EQ(pageFromRawValue(5), std::nullopt);
    EXPECT_EQ(allPages.size(), 5u);
    EXPECT_EQ(allPages.front(), Page::intro);
    EXPECT_EQ(allPages.back(), Page::summary);
}

TEST(Page, NeighboursStopAtBothEnds)
{
    EXPECT_EQ(nextPage(Page::license), Page::products);
    EXPECT_EQ(nextPage(Page::summary), std::nullopt);
    EXPECT_EQ(previousPage(Page::license), Page::intro);
    EXPECT_EQ(previousPage(Page::intro), std::nullopt);
}

TEST(FinderAccess, OnlyExactRawTextsMatch)
{
    const struct
    {
        const char16_t *text;
        std::optional<FinderAccess> expected;
    } rows[] = {
        {u"1", FinderAccess::allowed}, {u"0", FinderAccess::denied}, {u"-1", FinderAccess::unknown},
        {u"", std::nullopt},           {u"2", std::nullopt},         {u"true", std::nullopt},
        {u" 1", std::nullopt},         {u"01", std::nullopt},        {u"1 ", std::nullopt},
    };
    for (const auto &row : rows) {
        const QString text = QString::fromUtf16(row.text);
        EXPECT_EQ(finderAccessFromRawValue(text), row.expected) << text.toStdString();
        if (row.expected) {
            EXPECT_EQ(rawValue(*row.expected), text);
        }
    }
}
