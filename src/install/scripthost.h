#pragma once

#include "install/scriptoutcome.h"
#include "install/scriptprogress.h"
#include "catalogue/product.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <sys/types.h>

namespace scripthost {

// Where privileged commands go. The defaults suit the installer; tests put
// a fake elevation command or another helper in their place.
struct Options
{
    // Put before the helper's path to start it with administrator rights,
    // its program by absolute path. Empty starts the helper directly, as
    // when the installer runs as root or installs into a staging root.
    QStringList elevation;
    // Absolute path of the privileged helper.
    QString helperPath;
    // USER and HOME inside privileged commands when the helper is started
    // directly; through pkexec the helper takes them from PKEXEC_UID.
    QString user;
    QString home;
    // The user's data folder, which `path to application support` names.
    QString userDataFolder;
    // The install folders the script's privileged commands are placed
    // against: a command whose target lies in the user's Lightroom folder
    // runs as the invoking user, and before the first of them root gives
    // back what earlier installations left there.
    Product::InstallTargets targets;
    // The staging root the helper installs behind when it is started
    // directly; empty for the system's folders. pkexec passes none on.
    QString installRoot;
    // Told the helper's process id once it has been started.
    std::function<void(pid_t)> helperStarted;
    // Called on the script's thread once the helper has started and, through
    // pkexec, the user has authenticated; before its first command runs.
    std::function<void()> helperReady;
    // Told, on the thread running the script, when each shell command
    // begins, and when the password prompt opens and closes.
    ProgressReport progress;

    // pkexec (by its absolute path) unless running as root or installing
    // into a staging root; the helper beside the executable; the user from
    // the environment, else the user database; the user's folders from the
    // install locations.
    static Options system();
};

// The file name of the privileged helper in the bundle's executable folder.
inline constexpr auto helperFileName = "VeltranoHelper";

// run() uses Options::system() with `progress`; runWith() the given options.
// Compiles and runs `source` on the calling thread and returns when it has
// finished, password prompt included. A script that does not compile or
// fails outside its handlers leaves error information; otherwise the result
// is the text value of what the script returned, when it returned anything.
ScriptOutcome run(const QString &source, const ProgressReport &progress = {});
ScriptOutcome runWith(const QString &source, const Options &options);

} // namespace scripthost
