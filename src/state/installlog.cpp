#include "state/installlog.h"

QString installLog(const QStringList &planFailures, const QString &scriptResult)
{
    QStringList lines = planFailures;
    if (scriptResult != u"Ok")
        lines.append(scriptResult);
    return lines.join(u'\n');
}
