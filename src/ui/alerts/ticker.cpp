#include "ui/alerts/ticker.h"

#include <QTimer>

namespace {

class TimerTicker final : public Ticker
{
public:
    TimerTicker(std::chrono::milliseconds interval, Tick tick)
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, std::move(tick));
        m_timer.start(interval);
    }

    void stop() override { m_timer.stop(); }
    bool isActive() const override { return m_timer.isActive(); }

private:
    QTimer m_timer;
};

} // namespace

Ticker::Maker Ticker::system()
{
    return [](std::chrono::milliseconds interval, Tick tick) -> std::unique_ptr<Ticker> {
        return std::make_unique<TimerTicker>(interval, std::move(tick));
    };
}
