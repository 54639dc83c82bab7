#include "app/installerapp.h"

#include <QApplication>
#include <QMetaObject>

namespace {

AppSettings &withProducts(AppSettings &settings)
{
    // The only scan of the disk for products in a run.
    settings.refreshProducts();
    return settings;
}

} // namespace

InstallerApp::InstallerApp(QApplication &app, AppEnvironment environment)
    : m_settings(environment)
    , m_delegate(app, environment.terminate)
    , m_window(withProducts(m_settings), environment.resourceFolder)
{
}

void InstallerApp::show()
{
    m_window.resize(m_window.sizeHint());
    // X11 window managers fall back to the application's display name for
    // a window without a title; Wayland's client-side decorations draw the
    // window's own title, which must then be set. The name is not
    // translated, as the display name is not.
    m_window.setWindowTitle(QStringLiteral("Veltrano Installer"));
    m_window.show();
    m_delegate.applicationDidFinishLaunching(m_window);
}
