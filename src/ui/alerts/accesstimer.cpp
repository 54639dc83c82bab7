#include "ui/alerts/accesstimer.h"

#include "state/appsettings.h"

AccessTimer::AccessTimer(AppSettings &settings, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
{
    m_timer.setObjectName(QStringLiteral("accessTimer"));
    m_timer.setInterval(intervalMs);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &AccessTimer::tick);
    m_timer.start();
}

void AccessTimer::tick()
{
    if (m_settings.accessType() == FinderAccess::allowed) {
        m_timer.stop();
        return;
    }
    // Returns once the probe has run; its outcome arrives on a later turn.
    // Ticks keep coming while a script runs, but one that comes then starts
    // nothing, so probes never overlap.
    m_settings.checkAccess();
}
