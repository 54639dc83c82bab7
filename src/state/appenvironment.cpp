#include "state/appenvironment.h"

#include "install/scripthost.h"
#include "install/systemdisk.h"
#include "platform/bundle.h"

#include <QCoreApplication>
#include <QMetaObject>

AppEnvironment AppEnvironment::system()
{
    return {
        &bundle::resourceFolder,
        &Product::targets,
        &scripthost::run,
        // quit() does nothing while no event loop runs; queued, the request
        // is kept until the loop starts and then ends it.
        [] {
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
        },
        &::checkRoom,
    };
}
