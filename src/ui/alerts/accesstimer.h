#pragma once

#include <QObject>
#include <QTimer>

class AppSettings;

// Asks again for file manager access once a second while the access alert
// is up. It starts ticking when constructed, so the first probe comes one
// second later, and stops for good when access is allowed or when it is
// destroyed together with the alert.
class AccessTimer : public QObject
{
    Q_OBJECT

public:
    static constexpr int intervalMs = 1000;

    explicit AccessTimer(AppSettings &settings, QObject *parent = nullptr);

    bool isActive() const { return m_timer.isActive(); }

private:
    void tick();

    AppSettings &m_settings;
    QTimer m_timer{this};
};
