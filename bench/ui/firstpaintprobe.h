#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

// Ends a start-up measurement: once the window's first paint has gone
// through, prints how long it took since the moment the launcher wrote into
// STARTUP_T0_NS (nanoseconds of CLOCK_REALTIME, taken just before it started
// the process) and the peak resident memory so far, then quits.
class FirstPaintProbe : public QObject
{
public:
    // Any widget of the window may be the first to paint: a parent covered
    // by opaque children gets no paint event at all.
    explicit FirstPaintProbe(QWidget &window)
        : m_window(window)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const auto *widget = qobject_cast<QWidget *>(watched);
        if (event->type() == QEvent::Paint && !m_seen && widget && widget->window() == &m_window) {
            m_seen = true;
            // Report after this paint has been flushed to the window.
            QTimer::singleShot(0, this, [] { report(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static void report()
    {
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        const long long nowNs = static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
        const char *start = std::getenv("STARTUP_T0_NS");
        const long long startNs = start ? std::atoll(start) : nowNs;
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("first_paint_ms %.3f\nmaxrss_kb %ld\n", double(nowNs - startNs) / 1e6, usage.ru_maxrss);
        std::fflush(stdout);
        QCoreApplication::quit();
    }

    QWidget &m_window;
    bool m_seen = false;
};
