#include "install/roomverdict.h"

#include <gtest/gtest.h>

using roomneeds::Capacity;
using roomneeds::Need;
using roomneeds::Volume;
using roomverdict::Rounding;

namespace {

Need need(Capacity capacity, qint64 bytes, qint64 inodes, qint64 writes)
{
    return Need{Volume{QStringLiteral("/opt"), QStringLiteral("/opt"), capacity, {}},
                {QStringLiteral("/opt/Veltrano/")},
                bytes,
                inodes,
                writes};
}

struct VerdictRow
{
    const char *name;
    std::vector<Need> needs;
    QStringList refusals;
    QStringList unchecked;
};

void PrintTo(const VerdictRow &row, std::ostream *out) { *out << row.name; }

class Judge : public ::testing::TestWithParam<VerdictRow>
{
};

const Capacity roomy{4096, 100'000'000, 1000, true, false};

} // namespace

TEST_P(Judge, RefusesOnlyWhatCannotFitOrBeWritten)
{
    const VerdictRow row = GetParam();
    const roomverdict::Verdict verdict = roomverdict::judge(row.needs);
    EXPECT_EQ(verdict.refusals, row.refusals);
    EXPECT_EQ(verdict.unchecked, row.unchecked);
    EXPECT_EQ(verdict.refused(), !row.refusals.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Needs, Judge,
    ::testing::Values(
        VerdictRow{"fitsExactly", {need(roomy, 100'000'000, 1000, 5)}, {}, {}},
        VerdictRow{"tooLittleRoom",
                   {need({4096, 40'000'000, 1000, true, false}, 120'000'000, 10, 10)},
                   {QStringLiteral("Not enough room for /opt/Veltrano/: 120 MB needed on /opt, 40 MB free.")},
                   {}},
        VerdictRow{"tooFewInodes",
                   {need(roomy, 4096, 1001, 1001)},
                   {QStringLiteral(
                       "Not enough inodes for /opt/Veltrano/: 1001 new files and folders needed on /opt, 1000 free.")},
                   {}},
        VerdictRow{"bothShort",
                   {need({4096, 0, 0, true, false}, 4096, 1, 1)},
                   {QStringLiteral("Not enough room for /opt/Veltrano/: 4.1 kB needed on /opt, 0 bytes free."),
                    QStringLiteral(
                        "Not enough inodes for /opt/Veltrano/: 1 new files and folders needed on /opt, 0 free.")},
                   {}},
        VerdictRow{"inodesNotCounted", {need({4096, 100'000'000, 0, false, false}, 4096, 50, 50)}, {}, {}},
        VerdictRow{"readOnly",
                   {need({4096, 100'000'000, 1000, true, true}, 0, 0, 3)},
                   {QStringLiteral("Cannot write to /opt/Veltrano/: /opt is mounted read-only.")},
                   {}},
        // mkdir -p of folders that exist writes nothing.
        VerdictRow{"readOnlyButNothingWritten", {need({4096, 0, 0, true, true}, 0, 0, 0)}, {}, {}},
        VerdictRow{"unchecked",
                   {Need{Volume{{}, QStringLiteral("/home/u"), std::nullopt,
                                QStringLiteral("statvfs on /home/u failed: Permission denied")},
                         {QStringLiteral("/home/u/.local/share/Adobe/Lightroom/")},
                         1'000'000'000,
                         10,
                         10}},
                   {},
                   {QStringLiteral("The room for /home/u/.local/share/Adobe/Lightroom/ was not checked: "
                                   "statvfs on /home/u failed: Permission denied.")}},
        VerdictRow{"twoFoldersOnOneFileSystem",
                   {Need{Volume{QStringLiteral("/"), QStringLiteral("/usr"), Capacity{4096, 1000, 1000, true, false}, {}},
                         {QStringLiteral("/opt/Veltrano/"), QStringLiteral("/usr/local/share/Adobe/Plug-Ins/CC/Veltrano/")},
                         2000,
                         1,
                         1}},
                   {QStringLiteral("Not enough room for /opt/Veltrano/ and /usr/local/share/Adobe/Plug-Ins/CC/Veltrano/: "
                                   "2 kB needed on /, 1 kB free.")},
                   {}},
        VerdictRow{"shortByOneByte",
                   {need({4096, 40'100'000, 1000, true, false}, 40'100'001, 1, 1)},
                   {QStringLiteral("Not enough room for /opt/Veltrano/: 40.2 MB needed on /opt, 40.1 MB free.")},
                   {}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Judge, SummaryAndLogNameEveryRefusal)
{
    const roomverdict::Verdict verdict{{QStringLiteral("A."), QStringLiteral("B.")}, {QStringLiteral("C.")}};
    EXPECT_EQ(roomverdict::summary(verdict), QStringLiteral("Nothing was installed. A. B."));
    EXPECT_EQ(roomverdict::logLines(verdict),
              (QStringList{QStringLiteral("Nothing was installed."), QStringLiteral("A."), QStringLiteral("B."),
                           QStringLiteral("C.")}));
}

TEST(ReadableSize, ThreeSignificantDigitsRoundedAsAsked)
{
    struct Row
    {
        qint64 bytes;
        Rounding rounding;
        const char *text;
    };
    const Row rows[] = {
        {0, Rounding::up, "0 bytes"},          {999, Rounding::up, "999 bytes"},
        {1000, Rounding::up, "1 kB"},          {1001, Rounding::up, "1.01 kB"},
        {1001, Rounding::down, "1 kB"},        {120'000'000, Rounding::down, "120 MB"},
        {40'123'456, Rounding::down, "40.1 MB"}, {40'123'456, Rounding::up, "40.2 MB"},
        {999'999, Rounding::up, "1 MB"},       {999'999, Rounding::down, "999 kB"},
        {2'105'344, Rounding::up, "2.11 MB"},  {1'048'576, Rounding::down, "1.04 MB"},
        {5'000'000'000'000, Rounding::up, "5 TB"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(roomverdict::readableSize(row.bytes, row.rounding), QString::fromLatin1(row.text))
            << row.bytes;
}
