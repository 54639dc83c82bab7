#include "script/scripterror.h"

namespace script {

QString ScriptError::description() const
{
    if (stage == ErrorStage::compile)
        return QStringLiteral("%1 (line %2, column %3)").arg(message).arg(line).arg(column);
    return QStringLiteral("%1 (error %2, line %3)").arg(message).arg(number).arg(line);
}

} // namespace script
