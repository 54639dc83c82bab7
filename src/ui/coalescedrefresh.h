#pragma once

#include <QObject>
#include <functional>

// Runs a view's refresh once on the next turn of the event loop, however
// often it is asked before then. The state announces a change before it
// stores the new value, so refreshing inside the announcement would read the
// old one.
class CoalescedRefresh : public QObject
{
public:
    explicit CoalescedRefresh(std::function<void()> refresh, QObject *parent = nullptr);

    void schedule();
    bool isPending() const { return m_pending; }

private:
    std::function<void()> m_refresh;
    bool m_pending = false;
};
