#pragma once

#include "app/appdelegate.h"
#include "app/closeguard.h"
#include "state/appsettings.h"
#include "ui/contentview.h"

class QApplication;

// The application: its state, created before the window and outliving it,
// and the one window that shows it.
class InstallerApp
{
public:
    explicit InstallerApp(QApplication &app, AppEnvironment environment = AppEnvironment::system());

    AppSettings &settings() { return m_settings; }
    ContentView &window() { return m_window; }

    // Shows the window at its preferred size and finishes launching.
    void show();

private:
    AppSettings m_settings;
    AppDelegate m_delegate;
    ContentView m_window;
    CloseGuard m_closeGuard{m_settings, m_window};
};
