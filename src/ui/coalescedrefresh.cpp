#include "ui/coalescedrefresh.h"

#include <QMetaObject>

CoalescedRefresh::CoalescedRefresh(std::function<void()> refresh, QObject *parent)
    : QObject(parent)
    , m_refresh(std::move(refresh))
{
}

void CoalescedRefresh::schedule()
{
    if (m_pending)
        return;
    m_pending = true;
    // Bound to this object, so the call is dropped when the view is gone.
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_pending = false;
            m_refresh();
        },
        Qt::QueuedConnection);
}
