#include "install/scripthost.h"

namespace scripthost {

// Placeholder until the interpreter lands: every script fails to run.
ScriptOutcome run(const QString &)
{
    return {std::nullopt, QStringLiteral("the script host is not available")};
}

} // namespace scripthost
