#include "catalogue/discovery.h"

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
        const QStringList plan = planElements(products);
        return (plan + output.lines()).join(u'|');
    };
    const QString result = runningAsRoot() ? runAsNobody(check).value_or(QStringLiteral("(no child)")) : check();
    chmod(locked.constData(), 0755);
    EXPECT_EQ(result.toStdString(), (bundle("Products/Open/Y") + QStringLiteral("|Fail__ cannot list %1: Permission denied")
                                                                      .arg(bundle("Products/Locked")))
                                        .toStdString());
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
    const QStringList plan = planElements(products);
    EXPECT_EQ(plan, (QStringList{bundle(QStringLiteral("Products/My 100% \"Plug-in\" 2/Caf\u00e9 \u00fcber")),
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
    EXPECT_EQ(planElements(products), QStringList{bundle("Products/Kept/Y")});
    EXPECT_EQ(output.lines(),
              QStringList{QStringLiteral("Fail__ cannot list %1: No such file or directory").arg(bundle("Products/Gone"))});
}

TEST(InstallPlan, NothingSelectedReadsNothing)
{
    // Keys that do not exist would each write a "Fail__ " line if they were listed.
    const ProductMap products{{QStringLiteral("/nonexistent/A"), false}, {QStringLiteral("/nonexistent/B"), false}};
    linesink::Capture output;
    EXPECT_TRUE(planElements(products).isEmpty());
    EXPECT_TRUE(planElements({}).isEmpty());
    EXPECT_TRUE(output.lines().isEmpty());
}
