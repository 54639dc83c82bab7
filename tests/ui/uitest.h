#pragma once

#include "state/appsettings.h"
#include "support/fakeenvironment.h"
#include "support/tempfolder.h"
#include "ui/contentview.h"

#include <QPoint>
#include <QStringList>
#include <QWidget>

#include <memory>

// A bundle of its own for one test: a "Products" folder with the given
// product folders (each holding one plug-in folder) and, unless told
// otherwise, a license file.
enum class License { present, missing };

struct TestBundle
{
    explicit TestBundle(const QStringList &productNames, License license = License::present);

    QString productKey(const QString &name) const { return folder(QStringLiteral("Products/") + name); }

    TempFolder folder;
};

// The real window over its own state, shown on the offscreen platform, with a
// fake outside world that records quit requests and scripts.
class WindowUnderTest
{
public:
    explicit WindowUnderTest(const QStringList &productNames = {QStringLiteral("Softhaze 3"),
                                                                QStringLiteral("Softhaze 4")},
                             License license = License::present);

    template<typename T = QWidget>
    T *named(const QString &name) const
    {
        return view->findChild<T *>(name);
    }

    // Clicks a widget as a user would (at `pos`, or its centre) and lets the
    // window refresh.
    void click(QWidget *widget, QPoint pos = {}) const;
    void clickNamed(const QString &name) const { click(named(name)); }

    // Moves the state to `page` directly, agreeing to the license on the way
    // where the page lies beyond it.
    void goTo(Page page);

    TestBundle bundle;
    FakeWorld world;
    std::unique_ptr<AppSettings> settings;
    std::unique_ptr<ContentView> view;
};

// Lets queued refreshes run.
void settle();

// The product names the products page lists, top to bottom.
QStringList listedProducts(const QWidget &root);
