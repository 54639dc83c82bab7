#pragma once

#include <QString>
#include <QStringList>

// The log text of an installation run: each product or folder the plan could
// not install, one line each, then the script's own message when the script
// failed as well. Empty when the plan was whole and the script returned "Ok".
QString installLog(const QStringList &planFailures, const QString &scriptResult);
