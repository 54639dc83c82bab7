#include "ui/alerts/accesstimer.h"

#include "state/appsettings.h"

AccessTimer::AccessTimer(AppSettings &settings, const Ticker::Maker &makeTicker)
    : m_settings(settings)
    , m_ticker(makeTicker(interval, [this] { tick(); }))
{
}

void AccessTimer::tick()
{
    if (m_settings.accessType() == FinderAccess::allowed) {
        m_ticker->stop();
        return;
    }
    // Returns once the probe has run; its outcome arrives on a later turn.
    // Ticks keep coming while a script runs, but one that comes then starts
    // nothing, so probes never overlap.
    m_settings.checkAccess();
}
