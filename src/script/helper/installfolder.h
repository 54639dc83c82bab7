#pragma once

#include "uniquefd.h"

#include <string>
#include <variant>

// Opens the folders root installs into without ever being led elsewhere:
// each component is opened relative to the one before it and never through
// a link that someone other than root (or the helper's own user) made, and
// every folder on the way must be one that nobody else can change.
namespace installfolder {

enum class Missing { fail, create };

// The open folder, or the message of what stopped it (as mkdir says it,
// "mkdir: cannot create directory '...': ..." when making it failed).
std::variant<UniqueFd, std::string> open(const std::string &path, Missing missing);

// The same for a folder below an open one, by plain names only.
std::variant<UniqueFd, std::string> openBelow(int folder, const std::string &name, const std::string &shownPath);

// Whether a folder that this process may write into is one that nobody
// else can change: owned by root or by us, and writable by others only
// when the sticky bit keeps them from renaming what is ours.
bool trusted(int folder);

} // namespace installfolder
