#include "script/helper/linkcheck.h"

#include "support/tempfolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

struct Link
{
    const char *path;   // below the checked folder
    const char *target; // "@" stands for the checked folder's absolute path
};

struct Row
{
    const char *name;
    std::vector<const char *> folders;
    std::vector<Link> links;
    const char *escaping; // the link reported, or nullptr
};

} // namespace

// Every row is a real tree: the check follows the links it meets inside the
// folder, so a link that leaves through another link is caught where a
// lexical reading would pass it.
TEST(LinkCheck, FindsTheLinkThatLeavesTheFolder)
{
    const Row rows[] = {
        {"relative inside", {"a", "b"}, {{"a/up", "../b"}}, nullptr},
        {"relative out", {"a"}, {{"a/out", "../../x"}}, "a/out"},
        {"absolute out", {}, {{"etc", "/etc"}}, "etc"},
        {"absolute into the folder", {"a"}, {{"in", "@/a"}}, nullptr},
        {"absolute to a sibling with the same prefix", {}, {{"near", "@-other"}}, "near"},
        {"out through an inner link", {"d"}, {{"d/up", ".."}, {"x", "d/up/.."}}, "x"},
        {"dangling inside", {}, {{"later", "missing/../file"}}, nullptr},
        {"dangling out", {}, {{"later", "missing/../../file"}}, "later"},
        {"a loop", {}, {{"p", "q"}, {"q", "p"}}, "p"},
        {"itself", {}, {{"", "/tmp"}}, ""},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder temp;
        const QString root = temp(QStringLiteral("element"));
        QDir().mkpath(root);
        for (const char *folder : row.folders)
            QDir().mkpath(root + u'/' + QString::fromLatin1(folder));
        for (const Link &link : row.links) {
            const QString path = *link.path ? root + u'/' + QString::fromLatin1(link.path) : root;
            if (!*link.path)
                QDir(root).removeRecursively();
            const QString target = QString::fromLatin1(link.target).replace(u'@', root);
            ASSERT_EQ(symlink(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()), 0);
        }
        const auto escape = linkcheck::findEscape(QFile::encodeName(root).toStdString() + "/");
        if (!row.escaping) {
            EXPECT_FALSE(escape) << escape->link;
            continue;
        }
        ASSERT_TRUE(escape);
        const std::string expected = QFile::encodeName(root).toStdString() + (*row.escaping ? "/" : "") + row.escaping;
        // In a loop either link may be met first.
        if (std::string(row.name) != "a loop") {
            EXPECT_EQ(escape->link, expected);
        }
    }
}

// A folder the check cannot open may hold anything: the check fails closed
// and names it. Descriptors run out for real in a child whose limit is set
// just above what it has open.
TEST(LinkCheck, AFolderItCannotOpenIsReportedNotSkipped)
{
    TempFolder temp;
    const QString root = temp(QStringLiteral("element"));
    QString deep = root;
    for (int level = 0; level < 12; ++level)
        deep += QStringLiteral("/level");
    ASSERT_TRUE(QDir().mkpath(deep));
    const std::string checked = QFile::encodeName(root).toStdString();
    const auto checkWithFewDescriptors = [&checked] {
        const int lowest = dup(0);
        close(lowest);
        const rlimit limit{rlim_t(lowest + 4), rlim_t(lowest + 4)};
        setrlimit(RLIMIT_NOFILE, &limit);
        const auto found = linkcheck::findEscape(checked);
        const bool named = found && found->error == EMFILE && found->link.find("/level") != std::string::npos
                           && linkcheck::describe(checked, *found).find("cannot be checked") != std::string::npos;
        _exit(named ? 0 : 1);
    };
    EXPECT_EXIT(checkWithFewDescriptors(), ::testing::ExitedWithCode(0), "");
}
