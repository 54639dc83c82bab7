#pragma once

#include <QString>
#include <functional>

// How far a script run has come, as the script host reports it: the shell
// command underway counted from 1 (0 before the first one), out of all the
// shell commands the compiled script holds.
struct ScriptProgress
{
    int command = 0;
    int commandCount = 0;
    // The name of the folder that the command underway copies; empty when it
    // copies none.
    QString copiedFolder;
    // The password prompt for administrator privileges is open.
    bool waitingForAuthentication = false;

    bool operator==(const ScriptProgress &) const = default;
};

// Told each step of a run, on the thread that runs the script.
using ProgressReport = std::function<void(const ScriptProgress &)>;
