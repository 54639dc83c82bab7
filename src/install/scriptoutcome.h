#pragma once

#include <QString>
#include <optional>

// What one run of a script yields. Either half may be absent: a script that
// ran returns a result, one that could not be compiled or failed outside its
// own error handler leaves error information instead.
struct ScriptOutcome
{
    std::optional<QString> result;           // the text value of the script's result
    std::optional<QString> errorDescription; // the printable error information
};
