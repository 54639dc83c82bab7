#pragma once

#include "ui/alerts/alertcard.h"

#include <QUrl>

class AppSettings;

// Tells the user that the installer may not script the file manager.
// Buttons, by objectName: "closeAppButton" quits, "openSettingsButton" asks
// for the system's settings (openSettingsRequested) and leaves the alert up.
// The probing timer is not part of the card: the alert layer runs it while
// this alert is shown.
class FinderAlert : public AlertCard
{
    Q_OBJECT

public:
    // Limits the rounded rectangle only; the content keeps its natural size.
    static constexpr QSize maximumRectangleSize{500, 150};

    explicit FinderAlert(AppSettings &settings, QWidget *parent = nullptr);

    // What "Open settings" opens. Linux desktops have no per-application
    // automation permission, so there is no settings page to send the user
    // to; the address of the automation privacy list is kept as it is, which
    // a desktop without a handler for it simply declines. On Linux the probe
    // always finds access allowed, so the alert does not come up there.
    static QUrl settingsUrl();

signals:
    void openSettingsRequested(const QUrl &url);

protected:
    int naturalColumnWidth() const override;

private:
    class QLabel *m_message = nullptr;
    class QWidget *m_buttonRow = nullptr;
};
