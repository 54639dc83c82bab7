#include "state/responsivewait.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QThread>

#include <atomic>
#include <thread>

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
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
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

// Installed on the application for the length of one wait; it sees every
// event before its receiver does.
class InputDrop final : public QObject
{
public:
    InputDrop() { QCoreApplication::instance()->installEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override { return isUserInput(event->type()); }
};

} // namespace

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
