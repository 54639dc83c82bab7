#include "ui/alerts/overlaychoice.h"

#include "state/appsettings.h"

Overlay chooseOverlay(const OverlayFlags &flags)
{
    if (flags.installing)
        return Overlay::installProgress;
    if (flags.showLicenseAlert && !flags.agreeWithTerms)
        return Overlay::licenseAlert;
    if (flags.showPermanentlyAlert && flags.currentPage == Page::install)
        return Overlay::installConfirmation;
    if (flags.showFinderAlert && flags.currentPage == Page::install)
        return Overlay::finderAccess;
    if (flags.showLogDetailsWindow && flags.currentPage == Page::summary)
        return Overlay::logDetails;
    return Overlay::none;
}

OverlayFlags overlayFlags(const AppSettings &settings)
{
    return {settings.currentPage(),          settings.agreeWithTerms(),  settings.showLicenseAlert(),
            settings.showPermanentlyAlert(), settings.showFinderAlert(), settings.showLogDetailsWindow(),
            settings.installProgress().has_value()};
}
