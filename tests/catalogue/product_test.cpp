#include "catalogue/product.h"

#include <QHash>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

Product::EnvironmentLookup environment(QHash<QString, QString> values)
{
    return [values](const char *name) { return values.value(QString::fromLatin1(name)); };
}

} // namespace

TEST(InstallLocations, FollowTheEnvironment)
{
    const struct
    {
        const char *name;
        QHash<QString, QString> env;
        Product::InstallTargets expected;
    } rows[] = {
        {"standard folders",
         {{"HOME", "/home/u"}},
         {"/opt/Veltrano/", "/usr/local/share/Adobe/Plug-Ins/CC/Veltrano/", "/home/u/.local/share/Adobe/Lightroom/"}},
        {"XDG data home wins over HOME",
         {{"HOME", "/home/u"}, {"XDG_DATA_HOME", "/data/u"}},
         {"/opt/Veltrano/", "/usr/local/share/Adobe/Plug-Ins/CC/Veltrano/", "/data/u/Adobe/Lightroom/"}},
        {"staging root in front of the local folders only",
         {{"HOME", "/home/u"}, {"VELTRANO_INSTALL_ROOT", "/tmp/stage/"}},
         {"/tmp/stage/opt/Veltrano/", "/tmp/stage/usr/local/share/Adobe/Plug-Ins/CC/Veltrano/",
          "/home/u/.local/share/Adobe/Lightroom/"}},
        {"empty values count as unset",
         {{"HOME", "/home/u/"}, {"XDG_DATA_HOME", ""}, {"VELTRANO_INSTALL_ROOT", ""}},
         {"/opt/Veltrano/", "/usr/local/share/Adobe/Plug-Ins/CC/Veltrano/", "/home/u/.local/share/Adobe/Lightroom/"}},
    };
    for (const auto &row : rows) {
        const auto targets = Product::targetsFrom(Product::baseFoldersFrom(environment(row.env)));
        EXPECT_EQ(targets, row.expected) << row.name;
    }
}

TEST(InstallLocations, EmptyBaseFoldersLeaveTheBareSuffixes)
{
    const auto targets = Product::targetsFrom({});
    EXPECT_EQ(targets.appVeltrano, QStringLiteral("/Veltrano/"));
    EXPECT_EQ(targets.appSuppVeltrano, QStringLiteral("/Adobe/Plug-Ins/CC/Veltrano/"));
    EXPECT_EQ(targets.userAppSuppLR, QStringLiteral("/Adobe/Lightroom/"));
}

TEST(InstallLocations, ProcessValuesAreComputedOnceForAllThreads)
{
    std::vector<const QString *> seen(8);
    std::vector<std::thread> threads;
    for (auto &slot : seen)
        threads.emplace_back([&slot] { slot = &Product::appVeltrano(); });
    for (auto &thread : threads)
        thread.join();
    for (const QString *value : seen)
        EXPECT_EQ(value, &Product::appVeltrano());
    EXPECT_EQ(Product::appVeltrano(), Product::applications() + QStringLiteral("/Veltrano/"));
    EXPECT_EQ(Product::targets().userAppSuppLR, Product::userAppSuppLR());
}
