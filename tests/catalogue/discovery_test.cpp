#include "catalogue/discovery.h"

#include "catalogue/filename.h"
#include "platform/linesink.h"
#include "support/tempfolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

ProductMap selected(const QStringList &keys)
{
    ProductMap map;
    for (const QString &key : keys)
        map[key] = true;
    return map;
}

} // namespace

TEST(Discovery, KeepsEveryFolderOneLevelDeepHiddenOnesIncluded)
{
    TempFolder bundle;
    for (const char *folder : {"Products/A", "Products/B", "Products/.hidden", "Products/Empty",
                               "Products/Tool.app/Contents", "Products/A/Inner"})
        bundle.makeFolder(QString::fromUtf8(folder));
    bundle.writeFile(QStringLiteral("Products/readme.txt"), "hello");
    bundle.writeFile(QStringLiteral("Products/Not a product"), "a file named like one");

    linesink::Capture output;
    const ProductMap products = discoverProducts(bundle.path());
    EXPECT_EQ(products, selected({bundle("Products/.hidden"), bundle("Products/A"), bundle("Products/B"),
                                  bundle("Products/Empty"), bundle("Products/Tool.app")}));
    EXPECT_TRUE(output.lines().isEmpty());
}

TEST(Discovery, LinksToFoldersAreNotProducts)
{
    TempFolder bundle;
    const QString outside = bundle.makeFolder(QStringLiteral("Outside"));
    bundle.makeFolder(QStringLiteral("Products/Real"));
    ASSERT_TRUE(QFile::link(outside, bundle("Products/Link")));
    EXPECT_EQ(discoverProducts(bundle.path()), selected({bundle("Products/Real")}));
}

TEST(Discovery, FailuresWriteOneLineAndGiveNoProducts)
{
    TempFolder empty;
    empty.makeFolder(QStringLiteral("Products"));
    TempFolder missing;
    TempFolder fileInstead;
    fileInstead.writeFile(QStringLiteral("Products"), "not a folder");
    TempFolder linked;
    linked.makeFolder(QStringLiteral("Outside/Looks like a product"));
    ASSERT_TRUE(QFile::link(linked(QStringLiteral("Outside")), linked(QStringLiteral("Products"))));

    const struct
    {
        const char *name;
        std::optional<QString> resources;
        QString expectedLine; // empty: no line at all
    } rows[] = {
        {"empty folder", empty.path(), QString()},
        {"missing folder", missing.path(),
         QStringLiteral("Fail__ cannot list %1/Products: No such file or directory").arg(missing.path())},
        {"a file in its place", fileInstead.path(),
         QStringLiteral("Fail__ cannot list %1/Products: Not a directory").arg(fileInstead.path())},
        {"a link in its place", linked.path(),
         QStringLiteral("Fail__ cannot list %1/Products: it is a link, and links are not followed").arg(linked.path())},
        {"no resource folder", std::nullopt,
         QStringLiteral("Fail__ cannot list Products: the application's resource folder was not found")},
    };
    for (const auto &row : rows) {
        linesink::Capture output;
        EXPECT_TRUE(discoverProducts(row.resources).empty()) << row.name;
        const QStringList expected = row.expectedLine.isEmpty() ? QStringList{} : QStringList{row.expectedLine};
        EXPECT_EQ(output.lines(), expected) << row.name;
    }
}

TEST(Discovery, UnreadableFolderWritesTheSystemsReason)
{
    TempFolder bundle;
    bundle.makeFolder(QStringLiteral("Products/A"));
    const QByteArray products = QFile::encodeName(bundle("Products"));
    // The temporary folder itself must be reachable for the unprivileged user.
    ASSERT_EQ(chmod(QFile::encodeName(bundle.path()).constData(), 0755), 0);
    ASSERT_EQ(chmod(products.constData(), 0), 0);
    const auto check = [&] {
        linesink::Capture output;
        const bool empty = discoverProducts(bundle.path()).empty();
        return QStringLiteral("%1 %2").arg(empty).arg(output.lines().join(u'|'));
    };
    const QString result = runningAsRoot() ? runAsNobody(check).value_or(QStringLiteral("(no child)")) : check();
    chmod(products.constData(), 0755);
    EXPECT_EQ(result.toStdString(),
              QStringLiteral("1 Fail__ cannot list %1: Permission denied").arg(bundle("Products")).toStdString());
}

// A folder that may be read but not searched lists its names while the type
// of each entry stays unknown: those entries are left out, the listing
// itself has not failed.
TEST(Discovery, AnEntryWhoseTypeCannotBeReadIsSkippedAlone)
{
    TempFolder bundle;
    bundle.makeFolder(QStringLiteral("listed/Products/A"));
    bundle.makeFolder(QStringLiteral("planned/Products/B/X"));
    ASSERT_EQ(chmod(QFile::encodeName(bundle.path()).constData(), 0755), 0);
    for (const char *folder : {"listed/Products", "planned/Products/B"})
        ASSERT_EQ(chmod(QFile::encodeName(bundle(QString::fromLatin1(folder))).constData(), 0744), 0);
    const auto check = [&] {
        linesink::Capture output;
        const ProductMap products = discoverProducts(bundle("listed"));
        const InstallPlan plan = planInstall({{bundle("planned/Products/B"), true}});
        return QStringList{QString::number(products.size()), plan.elements.join(u','), plan.failures.join(u','),
                           output.lines().join(u',')}
            .join(u'|');
    };
    const QString result = runningAsRoot() ? runAsNobody(check).value_or(QStringLiteral("(no child)")) : check();
    const QString failure = QStringLiteral("cannot read %1: Permission denied").arg(bundle("planned/Products/B/X"));
    EXPECT_EQ(result.toStdString(),
              QStringList({QStringLiteral("0"), QString(), failure, QStringLiteral("Fail__ ") + failure}).join(u'|').toStdString());
}

// Names are bytes: one that is not valid UTF-8 is offered under its exact
// bytes and refused by the plan with those bytes shown, while everything
// else is still planned.
TEST(InstallPlan, NamesThatAreNotUtf8AreReportedWithTheirBytes)
{
    TempFolder bundle;
    const QByteArray products = QFile::encodeName(bundle("Products"));
    for (const char *folder : {"", "/Caf\xe9", "/Caf\xe9/X", "/Good", "/Good/Bad\xff\xfe", "/Good/Fine"})
        ASSERT_EQ(mkdir(QByteArray(products + folder).constData(), 0755), 0) << folder;

    const ProductMap discovered = discoverProducts(bundle.path());
    ASSERT_EQ(discovered.size(), 2u);
    const QString latin1Key = discovered.begin()->first;
    EXPECT_EQ(filename::encode(latin1Key), products + "/Caf\xe9");
    EXPECT_EQ(productName(latin1Key), QStringLiteral("Caf\\xE9"));

    linesink::Capture output;
    const InstallPlan plan = planInstall(discovered);
    EXPECT_EQ(plan.elements, QStringList{bundle("Products/Good/Fine")});
    const QStringList failures{
        QStringLiteral("cannot install %1/Caf\\xE9: its name is not valid UTF-8").arg(bundle("Products")),
        QStringLiteral("cannot install %1/Good/Bad\\xFF\\xFE: its name is not valid UTF-8").arg(bundle("Products")),
    };
    EXPECT_EQ(plan.failures, failures);
    EXPECT_EQ(output.lines().size(), 2);
}

TEST(InstallPlan, AnUnreadableProductCostsOnlyItsOwnFolders)
{
    TempFolder bundle;
    bundle.makeFolder(QStringLiteral("Products/Locked/X"));
    bundle.makeFolder(QStringLiteral("Products/Open/Y"));
    ASSERT_EQ(chmod(QFile::encodeName(bundle.path()).constData(), 0755), 0);
    const QByteArray locked = QFile::encodeName(bundle("Products/Locked"));
    ASSERT_EQ(chmod(locked.constData(), 0), 0);
    const ProductMap products{{bundle("Products/Locked"), true}, {bundle("Products/Open"), true}};
    const auto check = [&] {
        linesink::Capture output;
        const InstallPlan plan = planInstall(products);
        return (plan.elements + plan.failures + output.lines()).join(u'|');
    };
    const QString result = runningAsRoot() ? runAsNobody(check).value_or(QStringLiteral("(no child)")) : check();
    chmod(locked.constData(), 0755);
    const QString failure = QStringLiteral("cannot list %1: Permission denied").arg(bundle("Products/Locked"));
    EXPECT_EQ(result.toStdString(),
              QStringList({bundle("Products/Open/Y"), failure, QStringLiteral("Fail__ ") + failure}).join(u'|').toStdString());
}

TEST(InstallPlan, ListsTheFoldersOfSelectedProductsAsPlainPaths)
{
    TempFolder bundle;
    for (const char *folder : {"Products/P/X", "Products/P/Y/Deeper", "Products/Q/Skipped",
                               "Products/My 100% \"Plug-in\" 2/Caf\u00e9 \u00fcber"})
        bundle.makeFolder(QString::fromUtf8(folder));
    bundle.writeFile(QStringLiteral("Products/P/z.txt"));
    const ProductMap products{{bundle("Products/P"), true},
                              {bundle("Products/Q"), false},
                              {bundle(QStringLiteral("Products/My 100% \"Plug-in\" 2")), true}};

    linesink::Capture output;
    const InstallPlan plan = planInstall(products);
    EXPECT_TRUE(plan.failures.isEmpty());
    EXPECT_EQ(plan.elements, (QStringList{bundle(QStringLiteral("Products/My 100% \"Plug-in\" 2/Caf\u00e9 \u00fcber")),
                                 bundle("Products/P/X"), bundle("Products/P/Y")}));
    EXPECT_TRUE(output.lines().isEmpty());
}

TEST(InstallPlan, ADeletedProductCostsOnlyItsOwnFolders)
{
    TempFolder bundle;
    bundle.makeFolder(QStringLiteral("Products/Gone/X"));
    bundle.makeFolder(QStringLiteral("Products/Kept/Y"));
    const ProductMap products = discoverProducts(bundle.path());
    ASSERT_TRUE(QDir(bundle("Products/Gone")).removeRecursively());

    linesink::Capture output;
    const InstallPlan plan = planInstall(products);
    const QString failure = QStringLiteral("cannot list %1: No such file or directory").arg(bundle("Products/Gone"));
    EXPECT_EQ(plan.elements, QStringList{bundle("Products/Kept/Y")});
    EXPECT_EQ(plan.failures, QStringList{failure});
    EXPECT_EQ(output.lines(), QStringList{QStringLiteral("Fail__ ") + failure});
}

TEST(InstallPlan, NothingSelectedReadsNothing)
{
    // Keys that do not exist would each write a "Fail__ " line if they were listed.
    const ProductMap products{{QStringLiteral("/nonexistent/A"), false}, {QStringLiteral("/nonexistent/B"), false}};
    linesink::Capture output;
    EXPECT_TRUE(planInstall(products).elements.isEmpty());
    EXPECT_TRUE(planInstall({}).elements.isEmpty());
    EXPECT_TRUE(output.lines().isEmpty());
}
