#include "catalogue/product.h"

#include <QHash>

#include <gtest/gtest.h>

#include <atomic>
#include <latch>
#include <map>
#include <mutex>
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
        {"a relative XDG data home is ignored",
         {{"HOME", "/home/u"}, {"XDG_DATA_HOME", "data/u"}},
         {"/opt/Veltrano/", "/usr/local/share/Adobe/Plug-Ins/CC/Veltrano/", "/home/u/.local/share/Adobe/Lightroom/"}},
        {"the root folder as XDG data home is a folder, not unset",
         {{"HOME", "/home/u"}, {"XDG_DATA_HOME", "/"}},
         {"/opt/Veltrano/", "/usr/local/share/Adobe/Plug-Ins/CC/Veltrano/", "/Adobe/Lightroom/"}},
        {"a relative staging root starts at the working folder",
         {{"HOME", "/home/u"}, {"VELTRANO_INSTALL_ROOT", "stage/"}},
         {"/work/stage/opt/Veltrano/", "/work/stage/usr/local/share/Adobe/Plug-Ins/CC/Veltrano/",
          "/home/u/.local/share/Adobe/Lightroom/"}},
    };
    for (const auto &row : rows) {
        const auto targets = Product::targetsFrom(Product::baseFoldersFrom(environment(row.env), QStringLiteral("/work/")));
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

TEST(InstallLocations, AreLookedUpOnceHoweverManyThreadsAskAtOnce)
{
    std::mutex mutex;
    std::map<std::string, int> lookups;
    const Product::Locations locations(
        [&](const char *name) {
            const std::lock_guard lock(mutex);
            ++lookups[name];
            return qstrcmp(name, "HOME") == 0 ? QStringLiteral("/home/u") : QString();
        },
        QStringLiteral("/"));
    std::vector<Product::InstallTargets> seen(8);
    std::latch start(std::ptrdiff_t(seen.size()));
    std::vector<std::thread> threads;
    for (auto &slot : seen)
        threads.emplace_back([&] {
            start.arrive_and_wait();
            slot = locations.targets();
        });
    for (auto &thread : threads)
        thread.join();
    for (const auto &targets : seen)
        EXPECT_EQ(targets.userAppSuppLR, QStringLiteral("/home/u/.local/share/Adobe/Lightroom/"));
    EXPECT_EQ(locations.baseFolders().applications, QStringLiteral("/opt"));
    EXPECT_EQ(lookups, (std::map<std::string, int>{{"HOME", 1}, {"VELTRANO_INSTALL_ROOT", 1}, {"XDG_DATA_HOME", 1}}));
    EXPECT_EQ(Product::appVeltrano(), Product::applications() + QStringLiteral("/Veltrano/"));
}
