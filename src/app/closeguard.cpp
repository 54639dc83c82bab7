#include "app/closeguard.h"

#include "state/appsettings.h"

#include <QEvent>
#include <QWidget>

CloseGuard::CloseGuard(const AppSettings &settings, QWidget &window, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_window(window)
{
    m_window.installEventFilter(this);
    // Queued: the run's caller returns first, so the window closes from the
    // event loop rather than from inside the code that ran the script.
    connect(
        &m_settings, &AppSettings::scriptRunEnded, this,
        [this] {
            if (!m_held)
                return;
            m_held = false;
            m_window.close();
        },
        Qt::QueuedConnection);
}

bool CloseGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window && event->type() == QEvent::Close && m_settings.scriptRunning()) {
        m_held = true;
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
