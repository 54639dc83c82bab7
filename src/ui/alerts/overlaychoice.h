#pragma once

#include "state/page.h"

class AppSettings;

// The overlays the alert layer can show; at most one at a time.
enum class Overlay { none, licenseAlert, installConfirmation, finderAccess, logDetails, installProgress };

// The part of the installer state that decides which overlay is shown.
struct OverlayFlags
{
    Page currentPage = Page::intro;
    bool agreeWithTerms = false;
    bool showLicenseAlert = false;
    bool showPermanentlyAlert = false;
    bool showFinderAlert = false;
    bool showLogDetailsWindow = false;
    // An installation runs and its outcome is not applied yet.
    bool installing = false;
};

// The first rule that holds decides:
// 0. the installation's progress while it runs, on any page;
// 1. the license alert while it is raised and the license is not agreed to,
//    on any page;
// 2. the install confirmation, raised, on the install page;
// 3. the file manager access alert, raised, on the install page;
// 4. the log details window, raised, on the summary page;
// 5. nothing.
// A raised flag on another page keeps its value and shows nothing there.
Overlay chooseOverlay(const OverlayFlags &flags);

// The flags as the installer state holds them now.
OverlayFlags overlayFlags(const AppSettings &settings);
