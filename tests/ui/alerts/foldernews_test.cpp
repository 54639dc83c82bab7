#include "ui/alerts/foldernews.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

TEST(FolderNews, EachNewFolderOnceAndAtMostOneASecond)
{
    using Kind = FolderNews::Kind;
    const auto start = std::chrono::steady_clock::time_point{} + 100s;
    const QString a = QStringLiteral("Copying “A”");
    const QString b = QStringLiteral("Copying “B”");
    const struct
    {
        const char *what;
        QString folder, told;
        std::optional<std::chrono::steady_clock::time_point> toldAt;
        std::chrono::steady_clock::time_point now;
        FolderNews news;
    } rows[] = {
        {"the first folder", a, {}, {}, start, {Kind::tellNow, 0ms}},
        {"no folder", {}, a, start, start + 5s, {}},
        {"the same folder again", a, a, start, start + 5s, {}},
        {"a new folder a second later", b, a, start, start + 1s, {Kind::tellNow, 0ms}},
        {"a new folder long after", b, a, start, start + 60s, {Kind::tellNow, 0ms}},
        {"a new folder soon after", b, a, start, start + 300ms, {Kind::tellLater, 700ms}},
        {"a new folder just before the second", b, a, start, start + 999ms, {Kind::tellLater, 1ms}},
        {"rounded up to whole milliseconds", b, a, start, start + 999500us, {Kind::tellLater, 1ms}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(folderNews(row.folder, row.told, row.toldAt, row.now), row.news) << row.what;
}
