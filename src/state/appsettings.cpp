#include "state/appsettings.h"

#include "catalogue/discovery.h"

#include <QClipboard>
#include <QGuiApplication>

AppSettings::AppSettings(QObject *parent)
    : AppSettings(AppEnvironment::system(), parent)
{
}

AppSettings::AppSettings(AppEnvironment environment, QObject *parent)
    : QObject(parent)
    , m_environment(std::move(environment))
    // Taken once; a process without a GUI application has no clipboard.
    , m_pasteboard(qobject_cast<QGuiApplication *>(QCoreApplication::instance()) ? QGuiApplication::clipboard()
                                                                                 : nullptr)
{
}

void AppSettings::nextAction()
{
    switch (m_currentPage) {
    case Page::intro:
    case Page::products:
        // currentPage is read again just before the write.
        if (const auto next = nextPage(currentPage()))
            setCurrentPage(*next);
        break;
    case Page::license:
        if (m_agreeWithTerms) {
            if (const auto next = nextPage(currentPage()))
                setCurrentPage(*next);
        } else {
            setShowLicenseAlert(true);
        }
        break;
    case Page::install:
        setShowPermanentlyAlert(true);
        break;
    case Page::summary:
        terminateApp();
        break;
    }
}

void AppSettings::agreeWithLicense()
{
    setAgreeWithTerms(true);
    // There is no page after the summary; the page then stays.
    if (const auto next = nextPage(currentPage()))
        setCurrentPage(*next);
}

void AppSettings::terminateApp()
{
    if (m_environment.terminate)
        m_environment.terminate();
}

void AppSettings::selectAll()
{
    ProductMap all = m_products;
    for (auto &entry : all)
        entry.second = true;
    setProducts(std::move(all));
}

bool AppSettings::selectedExist() const { return anySelected(m_products); }

ProductMap AppSettings::productsToInstall() const
{
    return discoverProducts(m_environment.resourceFolder ? m_environment.resourceFolder() : std::nullopt);
}

void AppSettings::refreshProducts()
{
    setProducts({});
    setProducts(productsToInstall());
}

QStringList AppSettings::elementsToCopy() const { return installPlan().elements; }

InstallPlan AppSettings::installPlan() const { return planInstall(m_products); }
