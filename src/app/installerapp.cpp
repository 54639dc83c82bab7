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

AppEnvironment InstallerApp::systemEnvironment()
{
    AppEnvironment environment = AppEnvironment::system();
    // QCoreApplication::quit() does nothing while no event loop runs; queued,
    // the request is kept until the loop starts and then ends it.
    environment.terminate = [] {
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
    };
    return environment;
}

void InstallerApp::show()
{
    m_window.resize(m_window.sizeHint());
    m_window.show();
    m_delegate.applicationDidFinishLaunching(m_window);
}
