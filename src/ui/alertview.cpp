#include "ui/alertview.h"

#include "state/appsettings.h"
#include "ui/accessibility.h"
#include "ui/alerts/accesstimer.h"
#include "ui/alerts/finderalert.h"
#include "ui/alerts/geometryreport.h"
#include "ui/alerts/installalert.h"
#include "ui/alerts/licensealert.h"
#include "ui/alerts/logdetailswindow.h"
#include "ui/alerts/overlayframe.h"
#include "ui/alerts/progressalert.h"

#include <QDesktopServices>
#include <QEvent>
#include <QUrl>
#include <QVBoxLayout>

AlertView::AlertView(AppSettings &settings, QWidget *parent)
    : QWidget(parent)
    , m_settings(settings)
    // The result is ignored: when nothing handles the address, the alert
    // simply stays up.
    , m_openUrl([](const QUrl &url) { QDesktopServices::openUrl(url); })
{
    accessibility::install();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (parent) {
        // The window keeps the layer over its whole area as well; following
        // the parent here keeps the layer right under any parent.
        parent->installEventFilter(this);
        setGeometry(parent->rect());
    }
    connect(&m_settings, &AppSettings::objectWillChange, &m_refresh, &CoalescedRefresh::schedule);
    hide();
    refresh();
    geometryreport::startIfRequested(m_settings, this);
}

AlertView::~AlertView() = default;

bool AlertView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void AlertView::refresh()
{
    const Overlay wanted = chooseOverlay(overlayFlags(m_settings));
    if (wanted != m_shown)
        replaceOverlay(wanted);

    // The timer lives exactly as long as the access alert is chosen; later
    // evaluations with the alert still up keep its one-second phase.
    if (wanted == Overlay::finderAccess) {
        if (!m_accessTimer)
            m_accessTimer = std::make_unique<AccessTimer>(m_settings, m_makeTicker);
    } else {
        m_accessTimer.reset();
    }
    if (wanted == Overlay::logDetails)
        if (auto *window = qobject_cast<LogDetailsWindow *>(m_frame ? m_frame->card() : nullptr))
            window->refresh();
    if (wanted == Overlay::installProgress)
        if (auto *progress = qobject_cast<ProgressAlert *>(m_frame ? m_frame->card() : nullptr))
            progress->refresh();
}

void AlertView::replaceOverlay(Overlay overlay)
{
    if (m_frame) {
        // Later: this may run while one of the old overlay's buttons is still
        // on the call stack.
        m_frame->hide();
        m_frame->deleteLater();
        m_frame = nullptr;
    }
    m_shown = overlay;

    AlertCard *card = nullptr;
    switch (overlay) {
    case Overlay::none:
        break;
    case Overlay::licenseAlert:
        card = new LicenseAlert(m_settings);
        break;
    case Overlay::installConfirmation:
        card = new InstallAlert(m_settings);
        break;
    case Overlay::finderAccess: {
        auto *finder = new FinderAlert(m_settings);
        connect(finder, &FinderAlert::openSettingsRequested, this, [this](const QUrl &url) {
            if (m_openUrl)
                m_openUrl(url);
        });
        card = finder;
        break;
    }
    case Overlay::logDetails:
        card = new LogDetailsWindow(m_settings);
        break;
    case Overlay::installProgress:
        card = new ProgressAlert(m_settings);
        break;
    }

    if (!card) {
        // The window's own focus child: it is kept while the window is
        // inactive, when the application has no focus widget at all.
        const bool hadFocus = isAncestorOf(window()->focusWidget());
        setBeneathEnabled(true);
        hide();
        if (hadFocus)
            giveFocusBack();
        return;
    }
    QWidget *focus = window()->focusWidget();
    if (parentWidget() && parentWidget()->isAncestorOf(focus) && !isAncestorOf(focus))
        m_focusBeneath = focus;
    m_frame = new OverlayFrame(card, this);
    m_frame->setObjectName(QStringLiteral("overlayFrame"));
    layout()->addWidget(m_frame);
    if (parentWidget())
        setGeometry(parentWidget()->rect());
    show();
    raise();
    // The card itself takes the focus, so assistive technology announces it
    // by its message; no button takes it, so none looks like a default, and
    // Tab leads on to the buttons.
    card->setFocus(Qt::OtherFocusReason);
    // Only then is the page disabled, or Qt would move its focus along the
    // page first.
    setBeneathEnabled(false);
}

void AlertView::setBeneathEnabled(bool enabled)
{
    if (!parentWidget())
        return;
    for (QObject *child : parentWidget()->children()) {
        auto *beneath = qobject_cast<QWidget *>(child);
        if (beneath && beneath != this && !beneath->isWindow())
            beneath->setEnabled(enabled);
    }
}

void AlertView::giveFocusBack()
{
    QWidget *target = m_focusBeneath;
    m_focusBeneath = nullptr;
    if (target && target->isVisible() && target->isEnabled()) {
        target->setFocus(Qt::OtherFocusReason);
        return;
    }
    // What had the focus is gone with its page: the first control of the
    // window takes it instead.
    if (!parentWidget())
        return;
    for (QWidget *w = parentWidget()->nextInFocusChain(); w && w != parentWidget(); w = w->nextInFocusChain()) {
        if (parentWidget()->isAncestorOf(w) && !isAncestorOf(w) && w->isVisible() && w->isEnabled()
            && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}
