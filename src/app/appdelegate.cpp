#include "app/appdelegate.h"

#include "app/menutrimming.h"

#include <QGuiApplication>

AppDelegate::AppDelegate(QGuiApplication &app, std::function<void()> terminate, QObject *parent)
    : QObject(parent)
    , m_terminate(std::move(terminate))
{
    // Closing the window ends the run through the same request as every
    // other way out, so there is one place that decides how to quit.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    connect(&app, &QGuiApplication::lastWindowClosed, this, [this] {
        if (m_terminate)
            m_terminate();
    });
}

void AppDelegate::applicationDidFinishLaunching(QWidget &window) { trimWindowMenus(window); }
