#pragma once

#include <chrono>
#include <functional>
#include <memory>

// Calls back at a steady interval from the moment it is made until it is
// stopped or destroyed. The application's tickers are precise QTimers; tests
// make their own and move time by hand.
class Ticker
{
public:
    using Tick = std::function<void()>;
    // Makes a ticker that runs from now on, its first tick one interval away.
    using Maker = std::function<std::unique_ptr<Ticker>(std::chrono::milliseconds interval, Tick tick)>;

    virtual ~Ticker() = default;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;

    // Tickers on the calling thread's event loop, to the millisecond.
    static Maker system();
};
