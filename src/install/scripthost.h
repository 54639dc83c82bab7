#pragma once

#include "install/scriptoutcome.h"

#include <QString>

namespace scripthost {

// Compiles and runs `source` on the calling thread and returns when it has
// finished, password prompt included.
ScriptOutcome run(const QString &source);

} // namespace scripthost
