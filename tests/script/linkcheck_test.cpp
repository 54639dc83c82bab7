#include "script/helper/linkcheck.h"

#include "support/tempfolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>
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
