#pragma once

#include <QString>
#include <functional>

// Where the user's own folders are, for the catalogue's install targets and
// for the script host's commands alike.
namespace userfolders {

// Reads one environment variable; an unset variable reads as empty.
using EnvironmentLookup = std::function<QString(const char *name)>;

struct Folders
{
    // HOME as it is given.
    QString home;
    // XDG_DATA_HOME when it is absolute (the XDG base directory rules ignore
    // a relative one), else HOME + "/.local/share". Without a trailing "/",
    // so that every suffix joins with exactly one; the root folder itself
    // reads as empty. Emptiness of the variable is judged before its slashes
    // go: "/" is the root folder, not an unset variable.
    QString data;
};

Folders foldersFrom(const EnvironmentLookup &environment);

// The data folder of a user whose XDG_DATA_HOME names none: `home` +
// "/.local/share", joined with exactly one "/".
QString dataFolderIn(const QString &home);

// The process's environment; an unset or empty HOME or USER reads as the
// user database's entry of the real user, as a session without them still
// has a home and a name.
QString systemEnvironment(const char *name);

} // namespace userfolders
