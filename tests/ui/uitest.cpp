#include "uitest.h"

#include "ui/productrow.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

TestBundle::TestBundle(const QStringList &productNames, License license)
{
    for (const QString &name : productNames)
        folder.makeFolder(QStringLiteral("Products/") + name + QStringLiteral("/Plug-in"));
    if (license == License::present)
        folder.writeFile(QStringLiteral("VeltranoEULA.rtf"), "{\\rtf1\\ansi Terms of use.}");
}

WindowUnderTest::WindowUnderTest(const QStringList &productNames, License license)
    : bundle(productNames, license)
{
    world.resourceFolder = bundle.folder.path();
    settings = std::make_unique<AppSettings>(world.environment());
    settings->refreshProducts();
    const QString resources = bundle.folder.path();
    view = std::make_unique<ContentView>(*settings, [resources] { return std::optional<QString>(resources); });
    view->resize(view->sizeHint());
    view->show();
    if (!QTest::qWaitForWindowExposed(view.get()))
        ADD_FAILURE() << "the window was never exposed";
    settle();
}

void WindowUnderTest::click(QWidget *widget, QPoint pos) const
{
    if (!widget) {
        ADD_FAILURE() << "no widget to click";
        return;
    }
    QTest::mouseClick(widget, Qt::LeftButton, {}, pos.isNull() ? widget->rect().center() : pos);
    settle();
}

void WindowUnderTest::goTo(Page page)
{
    if (rawValue(page) > rawValue(Page::license))
        settings->setAgreeWithTerms(true);
    settings->setCurrentPage(page);
    settle();
}

void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

QStringList listedProducts(const QWidget &root)
{
    QList<ProductRow *> rows = root.findChildren<ProductRow *>();
    std::sort(rows.begin(), rows.end(), [](const ProductRow *a, const ProductRow *b) {
        return a->mapTo(a->window(), QPoint()).y() < b->mapTo(b->window(), QPoint()).y();
    });
    QStringList names;
    for (const ProductRow *row : rows)
        names.append(row->name());
    return names;
}
