#include "ui/alerts/overlaychoice.h"

Overlay chooseOverlay(const OverlayFlags &flags)
{
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
