#pragma once

#include "ui/alerts/alertcard.h"

class AppSettings;

// The last question before installing. Buttons, by objectName:
// "cancelInstallButton" closes the alert and stays on the install page,
// "installButton" closes it and runs the installation.
class InstallAlert : public AlertCard
{
    Q_OBJECT

public:
    static constexpr QSize maximumCardSize{280, 110};

    explicit InstallAlert(AppSettings &settings, QWidget *parent = nullptr);
};
