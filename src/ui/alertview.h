#pragma once

#include "ui/alerts/overlaychoice.h"
#include "ui/alerts/ticker.h"
#include "ui/coalescedrefresh.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class AccessTimer;
class AppSettings;
class OverlayFrame;
class QUrl;

// The alert layer over the whole window content. It shows at most one
// overlay, chosen from the installer state (chooseOverlay), and follows the
// state on the event loop turn after each change announcement.
//
// While no overlay is chosen the layer is hidden and every click reaches the
// page beneath. While one is shown it covers its parent's whole area and is
// modal for every kind of user: it takes every pointer event, the layers
// beneath it (its parent's other children) are disabled, so neither the
// keyboard nor assistive technology can reach or press anything there, and
// Tab moves among the overlay's own controls only. The overlay's card takes
// the focus when it appears; when the overlay goes, the focus returns to what
// had it before. Nothing else disables the layers beneath.
//
// The buttons, by objectName, for tests and automation:
//   license alert:             "readLicenseButton", "disagreeButton", "agreeButton"
//   install confirmation:      "cancelInstallButton", "installButton"
//   file manager access alert: "closeAppButton", "openSettingsButton"
//   log details window:        "copyLogButton", "closeLogButton"
//                              (its log area "logText")
//   installation progress:     no buttons ("progressHeading", "progressBar",
//                              "progressDetail")
// The overlay itself is the child named "overlayFrame".
class AlertView : public QWidget
{
    Q_OBJECT

public:
    using UrlOpener = std::function<void(const QUrl &)>;

    explicit AlertView(AppSettings &settings, QWidget *parent = nullptr);
    ~AlertView() override;

    // The overlay on screen now (it follows the state one turn later).
    Overlay shownOverlay() const { return m_shown; }

    // Replaces the system's URL handler that "Open settings" uses.
    void setUrlOpener(UrlOpener opener) { m_openUrl = std::move(opener); }
    // Replaces the QTimers that time the access alert's probes.
    void setTickerMaker(Ticker::Maker maker) { m_makeTicker = std::move(maker); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refresh();
    void replaceOverlay(Overlay overlay);
    void setBeneathEnabled(bool enabled);
    void giveFocusBack();

    AppSettings &m_settings;
    UrlOpener m_openUrl;
    Ticker::Maker m_makeTicker = Ticker::system();
    // What is on screen, derived from the state at the last evaluation.
    Overlay m_shown = Overlay::none;
    QPointer<OverlayFrame> m_frame;
    // What had the focus on the page when the first overlay came up.
    QPointer<QWidget> m_focusBeneath;
    // Exists exactly while the file manager access alert is shown.
    std::unique_ptr<AccessTimer> m_accessTimer;
    // The announcement comes before the store: look on the next turn, once
    // for any number of announcements in between.
    CoalescedRefresh m_refresh{[this] { refresh(); }};
};
