#pragma once

#include "ui/alerts/ticker.h"

#include <chrono>
#include <memory>

class AppSettings;

// Asks again for file manager access once a second while the access alert
// is up. It starts ticking when constructed, so the first probe comes one
// second later, and stops for good when access is allowed or when it is
// destroyed together with the alert.
class AccessTimer
{
public:
    static constexpr std::chrono::milliseconds interval{1000};

    AccessTimer(AppSettings &settings, const Ticker::Maker &makeTicker);

    bool isActive() const { return m_ticker->isActive(); }

private:
    void tick();

    AppSettings &m_settings;
    std::unique_ptr<Ticker> m_ticker;
};
