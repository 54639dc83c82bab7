#pragma once

#include "script/program.h"
#include "script/scripterror.h"
#include "script/shellreply.h"

#include <QString>
#include <optional>
#include <variant>

namespace script {

// What a running script asks of the world outside it.
class Commands
{
public:
    virtual ~Commands() = default;
    // Runs `command` with /bin/sh; a RaisedError when it could not be run at
    // all (for instance a dismissed password prompt).
    virtual std::variant<ShellReply, RaisedError> doShellScript(const QString &command, Privileges privileges) = 0;
    // The user's application support folder, as `path to application support` yields it.
    virtual QString applicationSupportFolder() = 0;
};

// What a run yields; either half may be absent.
struct Outcome
{
    std::optional<QString> result;
    std::optional<ScriptError> error;
};

// Runs a compiled program to its end in one flat loop.
Outcome execute(const Program &program, Commands &commands);

// Compiles and runs `source`; a compile error runs nothing.
Outcome run(QStringView source, Commands &commands);

// The only application that scripts may address: the file manager, which
// may always be scripted on this platform.
bool isScriptableApplication(const QString &name);

} // namespace script
