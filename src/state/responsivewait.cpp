#include "state/responsivewait.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QThread>

#include <atomic>
#include <thread>
#include <vector>

namespace responsivewait {
namespace {

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::NonClientAreaMouseMove:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::NativeGesture:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

bool isKey(QEvent::Type type) { return type == QEvent::KeyPress || type == QEvent::KeyRelease; }

// Installed on each receiver of a key that was let through to the
// application's earlier filters: whatever of the key they leave reaches this
// filter before the receiver itself, and ends here.
class KeyCatch final : public QObject
{
protected:
    bool eventFilter(QObject *, QEvent *event) override { return isKey(event->type()); }
};

// Installed on the application for the length of one wait. Installed last,
// it sees every event before the application's other filters and the
// receiver do.
class InputDrop final : public QObject
{
public:
    InputDrop() { QCoreApplication::instance()->installEventFilter(this); }

    ~InputDrop() override
    {
        for (const QPointer<QObject> &receiver : m_caught)
            if (receiver)
                receiver->removeEventFilter(&m_keyCatch);
    }

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        switch (fateDuringWait(event->type(), event->spontaneous())) {
        case Fate::deliver: return false;
        case Fate::drop: return true;
        case Fate::toAccessibilityOnly: catchAt(receiver); return false;
        }
        return true;
    }

private:
    void catchAt(QObject *receiver)
    {
        // Installing again moves the filter to the front, where it must be.
        receiver->installEventFilter(&m_keyCatch);
        for (const QPointer<QObject> &caught : m_caught)
            if (caught == receiver)
                return;
        m_caught.emplace_back(receiver);
    }

    KeyCatch m_keyCatch;
    std::vector<QPointer<QObject>> m_caught;
};

} // namespace

Fate fateDuringWait(QEvent::Type type, bool spontaneous)
{
    if (isKey(type))
        return spontaneous ? Fate::toAccessibilityOnly : Fate::drop;
    return isUserInput(type) ? Fate::drop : Fate::deliver;
}

void run(const std::function<void()> &work)
{
    QAbstractEventDispatcher *const dispatcher = QThread::currentThread()->eventDispatcher();
    const QCoreApplication *const app = QCoreApplication::instance();
    if (!app || app->thread() != QThread::currentThread() || !dispatcher) {
        // No windows to keep alive on this thread: wait plainly.
        std::thread(work).join();
        return;
    }
    InputDrop drop;
    std::atomic<bool> finished = false;
    std::thread worker([&] {
        work();
        finished.store(true);
        // Safe from any thread; a wake-up before the dispatcher sleeps is
        // kept, so it never sleeps past the end of the work.
        dispatcher->wakeUp();
    });
    // processEvents() rather than a QEventLoop: exiting the application asks
    // every running loop to return, which must not end this wait while the
    // work still runs. Input is dropped by the filter rather than excluded
    // here, because excluded input would only wait for the next event loop
    // turn after this one.
    while (!finished.load())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    worker.join();
}

} // namespace responsivewait
