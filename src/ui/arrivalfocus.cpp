#include "ui/arrivalfocus.h"

QString arrivalFocus(Page page, const ProductMap &products)
{
    switch (page) {
    case Page::intro: return QStringLiteral("welcomeText");
    case Page::license: return QStringLiteral("licenseText");
    case Page::products: {
        const QStringList keys = sortedProductKeys(products);
        if (keys.isEmpty())
            return QStringLiteral("noProductsLabel");
        return QStringLiteral("productRow:") + productName(keys.first());
    }
    case Page::install: {
        const QStringList names = sortedSelectedNames(products);
        // Next is not offered on the products page without a selection, so
        // this page is not normally reached empty; its button is what is left.
        if (names.isEmpty())
            return QStringLiteral("nextButton");
        return QStringLiteral("selectedRow:") + names.first();
    }
    case Page::summary: return QStringLiteral("summaryMessage");
    }
    return {};
}
