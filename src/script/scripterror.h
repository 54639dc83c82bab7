#pragma once

#include <QString>

namespace script {

// Numbers the interpreter raises itself, as the original host numbers them.
inline constexpr int syntaxErrorNumber = -2741;
inline constexpr int undefinedVariableNumber = -2753;
inline constexpr int userCanceledNumber = -128;
inline constexpr int applicationUnavailableNumber = -600;
inline constexpr int privilegeErrorNumber = -10004;

// An error a script raised at run time: `on error` receives the message.
struct RaisedError
{
    int number = 0;
    QString message;

    friend bool operator==(const RaisedError &, const RaisedError &) = default;
};

enum class ErrorStage { compile, run };

// An error that ended a script: one that kept it from compiling, or one
// raised outside every handler. Lines and columns count from 1.
struct ScriptError
{
    ErrorStage stage = ErrorStage::run;
    int number = 0;
    QString message;
    int line = 0;
    int column = 0;

    // "Expected “"” but found end of script. (line 3, column 9)" or
    // "The command exited with a non-zero status. (error 1, line 2)".
    QString description() const;

    friend bool operator==(const ScriptError &, const ScriptError &) = default;
};

} // namespace script
