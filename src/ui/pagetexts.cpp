#include "ui/pagetexts.h"

QString pageBarLabel(Page page)
{
    switch (page) {
    case Page::intro: return QStringLiteral("Introduction");
    case Page::license: return QStringLiteral("License");
    case Page::products: return QStringLiteral("Products");
    case Page::install: return QStringLiteral("Selected Products");
    case Page::summary: return QStringLiteral("Summary");
    }
    return {};
}

QString pageTitle(Page page)
{
    switch (page) {
    case Page::intro: return QStringLiteral("Welcome to the Veltrano Plugin Installer");
    case Page::license: return QStringLiteral("Software License Agreement");
    case Page::products: return QStringLiteral("Select Products to install");
    case Page::install: return QStringLiteral("The following Products will be installed");
    case Page::summary: return {};
    }
    return {};
}

QString pageName(Page page)
{
    const QString title = pageTitle(page);
    return title.isEmpty() ? pageBarLabel(page) : title;
}
