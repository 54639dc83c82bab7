#include "ui/pagetexts.h"

#include <QCoreApplication>

namespace {

// Translated in the context "PageTexts".
struct Texts
{
    const char *barLabel;
    const char *title;
};

Texts textsOf(Page page)
{
    switch (page) {
    case Page::intro:
        return {QT_TRANSLATE_NOOP("PageTexts", "Introduction"),
                QT_TRANSLATE_NOOP("PageTexts", "Welcome to the Veltrano Plugin Installer")};
    case Page::license:
        return {QT_TRANSLATE_NOOP("PageTexts", "License"), QT_TRANSLATE_NOOP("PageTexts", "Software License Agreement")};
    case Page::products:
        return {QT_TRANSLATE_NOOP("PageTexts", "Products"), QT_TRANSLATE_NOOP("PageTexts", "Select Products to install")};
    case Page::install:
        return {QT_TRANSLATE_NOOP("PageTexts", "Selected Products"),
                QT_TRANSLATE_NOOP("PageTexts", "The following Products will be installed")};
    case Page::summary: return {QT_TRANSLATE_NOOP("PageTexts", "Summary"), nullptr};
    }
    return {"", nullptr};
}

QString translated(const char *text)
{
    return text ? QCoreApplication::translate("PageTexts", text) : QString();
}

} // namespace

QString pageBarLabel(Page page) { return translated(textsOf(page).barLabel); }

QString pageTitle(Page page) { return translated(textsOf(page).title); }

QString pageName(Page page)
{
    const QString title = pageTitle(page);
    return title.isEmpty() ? pageBarLabel(page) : title;
}

QString pageKey(Page page) { return QString::fromLatin1(textsOf(page).barLabel); }
