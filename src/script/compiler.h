#pragma once

#include "script/program.h"
#include "script/scripterror.h"

#include <QStringView>
#include <variant>

namespace script {

// Compiles script source without running anything: the program, or the
// first compile error with its line and column. Keywords are matched without
// regard to case. Nesting is tracked on a heap stack, so memory and time grow
// linearly with the source whatever its shape.
std::variant<Program, ScriptError> compile(QStringView source);

} // namespace script
