#pragma once

#include <QObject>

class AppSettings;
class QWidget;

// Closing the window ends the program, which must not happen half-way
// through an installation. A close request made while a script runs is held,
// and the window closes as soon as the run has ended.
class CloseGuard : public QObject
{
    Q_OBJECT

public:
    CloseGuard(const AppSettings &settings, QWidget &window, QObject *parent = nullptr);

    bool closeHeld() const { return m_held; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const AppSettings &m_settings;
    QWidget &m_window;
    bool m_held = false;
};
