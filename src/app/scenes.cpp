#include "app/scenes.h"

#include "state/appsettings.h"

#include <QString>

namespace {

void onPage(AppSettings &settings, Page page)
{
    if (page != Page::intro && page != Page::license)
        settings.setAgreeWithTerms(true);
    settings.setCurrentPage(page);
}

ProductMap withFirstCleared(ProductMap products)
{
    if (!products.empty())
        products.begin()->second = false;
    return products;
}

ProductMap noneSelected(ProductMap products)
{
    for (auto &entry : products)
        entry.second = false;
    return products;
}

} // namespace

const std::vector<Scene> &scenes()
{
    static const std::vector<Scene> all{
        {"intro", [](AppSettings &) {}},
        {"license", [](AppSettings &s) { onPage(s, Page::license); }},
        {"license-alert",
         [](AppSettings &s) {
             onPage(s, Page::license);
             s.setShowLicenseAlert(true);
         }},
        {"products", [](AppSettings &s) { onPage(s, Page::products); }},
        {"products-one-cleared",
         [](AppSettings &s) {
             onPage(s, Page::products);
             s.setProducts(withFirstCleared(s.products()));
         }},
        {"products-none-selected",
         [](AppSettings &s) {
             onPage(s, Page::products);
             s.setProducts(noneSelected(s.products()));
         }},
        {"products-empty",
         [](AppSettings &s) {
             onPage(s, Page::products);
             s.setProducts({});
         }},
        {"install", [](AppSettings &s) { onPage(s, Page::install); }},
        {"install-confirm",
         [](AppSettings &s) {
             onPage(s, Page::install);
             s.setShowPermanentlyAlert(true);
         }},
        {"install-finder",
         [](AppSettings &s) {
             onPage(s, Page::install);
             s.setShowFinderAlert(true);
         }},
        {"install-progress-prompt",
         [](AppSettings &s) {
             onPage(s, Page::install);
             s.setInstallProgress(ScriptProgress{1, 28, {}, true});
         }},
        {"install-progress-copying",
         [](AppSettings &s) {
             onPage(s, Page::install);
             s.setInstallProgress(ScriptProgress{13, 28, QStringLiteral("Veltrano Softhaze 4"), false});
         }},
        {"summary-success", [](AppSettings &s) { onPage(s, Page::summary); }},
        {"summary-failure",
         [](AppSettings &s) {
             onPage(s, Page::summary);
             s.setLogDetailsStr(QStringLiteral("cp: cannot create directory '/opt/Veltrano': Permission denied"));
             s.setCompletedWithErrors(true);
         }},
        {"summary-log",
         [](AppSettings &s) {
             onPage(s, Page::summary);
             s.setLogDetailsStr(QStringLiteral("cp: cannot create directory '/opt/Veltrano': Permission denied"));
             s.setCompletedWithErrors(true);
             s.setShowLogDetailsWindow(true);
         }},
    };
    return all;
}
