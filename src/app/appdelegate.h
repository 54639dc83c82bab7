#pragma once

#include <QObject>
#include <functional>

class QGuiApplication;
class QWidget;

// What the application does at the edges of its life: it ends when its one
// window closes, and trims the menu bar once the window is up.
class AppDelegate : public QObject
{
    Q_OBJECT

public:
    // `terminate` is how the application asks to quit.
    AppDelegate(QGuiApplication &app, std::function<void()> terminate, QObject *parent = nullptr);

    void applicationDidFinishLaunching(QWidget &window);

private:
    std::function<void()> m_terminate;
};
