#pragma once

#include "ui/alerts/alertcard.h"

class AppSettings;

// Asks the user to agree to the license before going on. Buttons, by
// objectName: "readLicenseButton" closes the alert and stays on the license
// page, "disagreeButton" quits, "agreeButton" agrees and moves on.
class LicenseAlert : public AlertCard
{
    Q_OBJECT

public:
    static constexpr QSize maximumCardSize{500, 180};

    explicit LicenseAlert(AppSettings &settings, QWidget *parent = nullptr);
};
