#include "state/appsettings.h"

#include "support/fakeenvironment.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

TEST(AppSettings, StartsWithTheInitialValues)
{
    AppSettings settings(fakeEnvironment());
    EXPECT_EQ(settings.currentPage(), Page::intro);
    EXPECT_TRUE(settings.products().empty());
    EXPECT_EQ(settings.accessType(), FinderAccess::unknown);
    EXPECT_FALSE(settings.agreeWithTerms());
    EXPECT_FALSE(settings.showLicenseAlert());
    EXPECT_FALSE(settings.showPermanentlyAlert());
    EXPECT_FALSE(settings.showFinderAlert());
    EXPECT_FALSE(settings.completedWithErrors());
    EXPECT_FALSE(settings.showLogDetailsWindow());
    EXPECT_TRUE(settings.logDetailsStr().isEmpty());
    EXPECT_EQ(settings.pasteboard(), QGuiApplication::clipboard());
}

// Every published field announces each store before it happens, equal values
// included; the log text announces nothing.
TEST(AppSettings, EveryStoreOfAPublishedFieldAnnouncesOnceBeforeTheStore)
{
    AppSettings settings(fakeEnvironment());
    const char *published[] = {"agreeWithTerms",   "showLicenseAlert",  "showPermanentlyAlert",
                               "showFinderAlert",  "completedWithErrors", "showLogDetailsWindow"};
    for (const char *name : published) {
        const bool before = settings.property(name).toBool();
        bool seenBeforeStore = false;
        const auto connection = QObject::connect(&settings, &AppSettings::objectWillChange, [&] {
            seenBeforeStore = settings.property(name).toBool() == before;
        });
        QSignalSpy spy(&settings, &AppSettings::objectWillChange);
        settings.setProperty(name, before); // an equal value
        settings.setProperty(name, !before);
        EXPECT_EQ(spy.count(), 2) << name;
        EXPECT_TRUE(seenBeforeStore) << name;
        EXPECT_EQ(settings.property(name).toBool(), !before) << name;
        QObject::disconnect(connection);
    }

    QSignalSpy spy(&settings, &AppSettings::objectWillChange);
    settings.setCurrentPage(Page::intro);
    settings.setAccessType(FinderAccess::unknown);
    settings.setProducts({});
    EXPECT_EQ(spy.count(), 3);
    settings.setLogDetailsStr(QStringLiteral("failed"));
    EXPECT_EQ(spy.count(), 3);
    EXPECT_EQ(settings.logDetailsStr(), QStringLiteral("failed"));
}

TEST(AppSettings, RefreshProductsEmptiesThenFillsWithEveryProductSelected)
{
    TempFolder bundle;
    bundle.makeFolder(QStringLiteral("Products/A"));
    bundle.makeFolder(QStringLiteral("Products/B"));
    AppSettings settings(fakeEnvironment(bundle.path()));
    settings.setProducts({{QStringLiteral("/elsewhere/Old"), false}});

    QSignalSpy spy(&settings, &AppSettings::objectWillChange);
    settings.refreshProducts();
    EXPECT_EQ(spy.count(), 2);
    const ProductMap expected{{bundle(QStringLiteral("Products/A")), true}, {bundle(QStringLiteral("Products/B")), true}};
    EXPECT_EQ(settings.products(), expected);
}
