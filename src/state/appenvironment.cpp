#include "state/appenvironment.h"

#include "install/scripthost.h"
#include "platform/bundle.h"

#include <QCoreApplication>

AppEnvironment AppEnvironment::system()
{
    return {
        &bundle::resourceFolder,
        &Product::targets,
        &scripthost::run,
        [] { QCoreApplication::quit(); },
    };
}
